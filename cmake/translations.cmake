# Qt's translation tools (Debian: qt6-l10n-tools). lrelease compiles the
# English texts at every build; lupdate collects the marked texts of the
# code for tools/update_translations.sh and the tests.
set(TESSARO_ENGLISH_TS ${PROJECT_SOURCE_DIR}/translations/tessaro_en.ts)
set(tessaro_qt_bins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
find_program(TESSARO_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${tessaro_qt_bins}
             DOC "Qt's lrelease, which compiles the translation")
find_program(TESSARO_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${tessaro_qt_bins}
             DOC "Qt's lupdate, which collects the texts to translate")
foreach(tool LRELEASE LUPDATE)
    if(NOT TESSARO_${tool})
        message(FATAL_ERROR "Qt's translation tools were not found: the English texts need them (Debian: qt6-l10n-tools)")
    endif()
endforeach()
