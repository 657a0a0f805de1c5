# The texts the program shows go through tr(); lupdate gathers them for
# translators: cmake --build build --target translations writes
# translations/mobwright.ts.
find_program(MOBWRIGHT_LUPDATE lupdate HINTS /usr/lib/qt6/bin)
find_program(MOBWRIGHT_LRELEASE lrelease HINTS /usr/lib/qt6/bin)
set(MOBWRIGHT_TRANSLATED_FOLDERS src/app src/ui src/session src/exchange src/cli)

if(MOBWRIGHT_LUPDATE)
    add_custom_target(translations
        COMMAND ${CMAKE_COMMAND} -E make_directory translations
        COMMAND ${MOBWRIGHT_LUPDATE} -no-obsolete -locations relative ${MOBWRIGHT_TRANSLATED_FOLDERS}
                -ts translations/mobwright.ts
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        COMMENT "Writing translations/mobwright.ts"
        VERBATIM)
endif()
