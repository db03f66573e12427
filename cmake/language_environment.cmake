# Read by CTest before it runs any test of the build: every test starts in
# the C.UTF-8 locale with no preferred languages, so that the runner's own
# desktop language never reaches the tests that pin the game's Japanese
# texts. Tests in another language set it in their ENVIRONMENT.
set(ENV{LANG} "C.UTF-8")
unset(ENV{LANGUAGE})
unset(ENV{LC_ALL})
unset(ENV{LC_MESSAGES})
