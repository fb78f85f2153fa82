# pattik_embed_bitmaps(OUTPUT <cpp> FILES <id>.bmp ...)
# Generates a source file that holds every listed BMP file as a byte array, keyed by
# the number in its file name, and the lookup FindBitmapResourceBytes (resource_data.h).
function(pattik_embed_bitmaps)
    cmake_parse_arguments(ARG "" "OUTPUT" "FILES" ${ARGN})
    add_custom_command(
        OUTPUT ${ARG_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${ARG_OUTPUT} "-DFILES=${ARG_FILES}"
                -P ${PROJECT_SOURCE_DIR}/cmake/WriteEmbeddedBitmaps.cmake
        DEPENDS ${ARG_FILES} ${PROJECT_SOURCE_DIR}/cmake/WriteEmbeddedBitmaps.cmake
        COMMENT "Embedding bitmap resources"
        VERBATIM)
endfunction()

# pattik_embed_file(OUTPUT <cpp> FILE <path> FUNCTION <name> HEADER <include path>)
# Generates a source file whose function <name> (declared in HEADER) returns the file's
# bytes.
function(pattik_embed_file)
    cmake_parse_arguments(ARG "" "OUTPUT;FILE;FUNCTION;HEADER" "" ${ARGN})
    add_custom_command(
        OUTPUT ${ARG_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${ARG_OUTPUT} -DFILE=${ARG_FILE}
                -DFUNCTION=${ARG_FUNCTION} -DHEADER=${ARG_HEADER}
                -P ${PROJECT_SOURCE_DIR}/cmake/WriteEmbeddedFile.cmake
        DEPENDS ${ARG_FILE} ${PROJECT_SOURCE_DIR}/cmake/WriteEmbeddedFile.cmake
        COMMENT "Embedding ${ARG_FILE}"
        VERBATIM)
endfunction()
