// Only there to build the precompiled Qt headers the window tests share.
int main() { return 0; }
