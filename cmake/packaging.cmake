# What a Windows user unpacks: Drawlot.exe, the help pages beside it, a readme in Japanese and a
# folder of sample set files. `cpack` in a Windows build folder makes
# Drawlot-<version>-win64.zip or Drawlot-<version>-win32.zip.
#
# Texts for users are kept as UTF-8 in the tree and turned into code page 932 here, the readme
# with CR LF line ends, so Notepad on any Japanese Windows shows it.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(DRAWLOT_ARCH win64)
else()
  set(DRAWLOT_ARCH win32)
endif()

set(package_texts ${PROJECT_BINARY_DIR}/package-texts)
set(converted "")
function(drawlot_cp932_text source target)
  add_custom_command(OUTPUT ${target}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DTARGET=${target} -DVERSION=${PROJECT_VERSION}
            -P ${PROJECT_SOURCE_DIR}/cmake/to_cp932.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/to_cp932.cmake VERBATIM)
  set(converted ${converted} ${target} PARENT_SCOPE)
endfunction()

file(GLOB help_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/Dw-HELP*.htm)
foreach(page ${help_pages})
  get_filename_component(name ${page} NAME)
  drawlot_cp932_text(${page} ${package_texts}/${name})
endforeach()
drawlot_cp932_text(${PROJECT_SOURCE_DIR}/packaging/readme.txt ${package_texts}/readme.txt)
add_custom_target(drawlot_package_texts ALL DEPENDS ${converted})

install(TARGETS Drawlot RUNTIME DESTINATION . COMPONENT drawlot)
install(FILES ${converted} ${PROJECT_SOURCE_DIR}/help/help.css DESTINATION . COMPONENT drawlot)
# The pictures of the help pages are the screenshots under docs/ (tools/photograph-all.sh).
file(GLOB pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${pictures} DESTINATION images COMPONENT drawlot)
install(FILES ${PROJECT_SOURCE_DIR}/examples/demo/drwlt_set1.ini
              ${PROJECT_SOURCE_DIR}/examples/demo/drwlt_set2.ini
  DESTINATION sample COMPONENT drawlot)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Drawlot)
set(CPACK_PACKAGE_VENDOR Harrowby)
set(CPACK_PACKAGE_FILE_NAME Drawlot-${PROJECT_VERSION}-${DRAWLOT_ARCH})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Only Drawlot's own files: nothing that a dependency might install comes along.
set(CPACK_COMPONENTS_ALL drawlot)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
