# The translations of the window: translations/lancefall_<language>.ts (Qt Linguist), compiled
# by lrelease at build time and built into a target as the Qt resources
# :/translations/lancefall_<language>.qm. Only the translation tools are needed (Debian:
# qt6-l10n-tools); Qt's LinguistTools CMake package would bring Designer's libraries with it.
set(LANCEFALL_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)
file(GLOB LANCEFALL_TS_FILES CONFIGURE_DEPENDS ${LANCEFALL_TRANSLATIONS_DIR}/lancefall_*.ts)
set(LANCEFALL_QT_BINS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
find_program(LANCEFALL_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${LANCEFALL_QT_BINS} REQUIRED)
find_program(LANCEFALL_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${LANCEFALL_QT_BINS} REQUIRED)

# Compiles every .ts file and adds the .qm files to `target` as resources.
function(lancefall_add_translations target)
    set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
    set(qm_files)
    foreach(ts IN LISTS LANCEFALL_TS_FILES)
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${qm_dir}/${name}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${qm_dir}
            COMMAND ${LANCEFALL_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            COMMENT "Compiling the translation ${name}.ts"
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} lancefall_translations PREFIX /translations BASE ${qm_dir} FILES ${qm_files})
endfunction()

# Refreshes the .ts files from the texts of src/ (code and forms): new texts come in
# unfinished, texts no longer in the sources go. No source locations are kept, so that a
# change of code that moves a text leaves the .ts files alone.
add_custom_target(update_translations
    COMMAND ${LANCEFALL_LUPDATE} -locations none -no-obsolete ${PROJECT_SOURCE_DIR}/src -ts ${LANCEFALL_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating translations/*.ts from the texts of src/"
    VERBATIM)
