# The sanitizer build (cmake --preset asan, in build-asan/): every target of
# the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the whole suite run under them. Qt and the system libraries are not
# instrumented; their leaks are suppressed by library in tests/sanitizers/.
option(TESSARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TESSARO_SANITIZE)
    set(tessaro_sanitizer_flags
        -fsanitize=address,undefined
        -fno-omit-frame-pointer
        # Undefined behaviour stops the test at once instead of scrolling by.
        -fno-sanitize-recover=undefined)
    add_compile_options(${tessaro_sanitizer_flags})
    add_link_options(${tessaro_sanitizer_flags})

    # CTest reads this file before it runs (or lists) any test of the build,
    # and every test process it starts inherits the variables set here.
    set(TESSARO_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/sanitizer_environment.cmake.in
        ${PROJECT_BINARY_DIR}/sanitizer_environment.cmake @ONLY)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
        TEST_INCLUDE_FILES ${PROJECT_BINARY_DIR}/sanitizer_environment.cmake)
endif()
