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
