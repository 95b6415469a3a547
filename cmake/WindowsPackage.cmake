# The Windows build's program resources and package.
#
# The program carries its icon, version information and application manifest (resources/windows/). The package,
# made by CPack (cmake --build build-windows --target package), is tarnwick-item-editor-<version>-windows-x64.zip
# with one folder of that name: the editor, the toolkit's and the compiler's libraries it loads, the Windows
# platform and style plugins, README.txt and LICENSES\ with the libraries' licences and where their sources are.

set(resources "${PROJECT_SOURCE_DIR}/resources/windows")
enable_language(RC)
configure_file("${resources}/tarnwick-item-editor.manifest.in" tarnwick-item-editor.manifest @ONLY)
set(ITEMEDIT_WINDOWS_RESOURCES "${resources}")
set(ITEMEDIT_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/tarnwick-item-editor.manifest")
configure_file("${resources}/tarnwick-item-editor.rc.in" tarnwick-item-editor.rc @ONLY)
target_sources(tarnwick-item-editor PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/tarnwick-item-editor.rc")
set_property(SOURCE "${CMAKE_CURRENT_BINARY_DIR}/tarnwick-item-editor.rc" APPEND PROPERTY OBJECT_DEPENDS
             "${ITEMEDIT_MANIFEST}" "${resources}/tarnwick-item-editor.ico")

# Where the libraries come from: the toolkit's bin folder and the compiler's runtime folders.
set(toolkit "${QT6_INSTALL_PREFIX}")
set(library_folders "${toolkit}/bin")
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${runtime} OUTPUT_VARIABLE found
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(folder "${found}" DIRECTORY)
  list(APPEND library_folders "${folder}")
endforeach()
set(plugins "${toolkit}/plugins/platforms/qwindows.dll")
file(GLOB styles "${toolkit}/plugins/styles/*.dll")

# A folder of links to those libraries under their names in lower case, which is how the import tables are read.
set(links "${CMAKE_CURRENT_BINARY_DIR}/library-links")
file(REMOVE_RECURSE "${links}")
file(MAKE_DIRECTORY "${links}")
foreach(folder ${library_folders})
  file(GLOB libraries "${folder}/*.dll")
  foreach(library ${libraries})
    get_filename_component(name "${library}" NAME)
    string(TOLOWER "${name}" name)
    if(NOT EXISTS "${links}/${name}")
      file(CREATE_LINK "${library}" "${links}/${name}" SYMBOLIC)
    endif()
  endforeach()
endforeach()

install(FILES "${toolkit}/plugins/platforms/qwindows.dll" DESTINATION platforms)
install(FILES ${styles} DESTINATION styles)
# Installing a target's runtime dependency set is refused when cross compiling, and the toolkit's deployment script
# needs windeployqt, which neither this toolkit nor the host's has: the libraries are found here, as the Windows
# loader finds them, from the program's and the plugins' import tables. The ones not found are Windows' own; a
# toolkit's or compiler's library among them stops the install.
install(CODE "set(links \"${links}\")
set(modules \"${plugins};${styles}\")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${CMAKE_OBJDUMP}\")
set(strip \"${CMAKE_STRIP}\")")
install(CODE [[
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "$<TARGET_FILE:tarnwick-item-editor>" MODULES ${modules}
     DIRECTORIES "${links}" RESOLVED_DEPENDENCIES_VAR found UNRESOLVED_DEPENDENCIES_VAR windows_own)
list(FILTER windows_own INCLUDE REGEX "^(qt6|lib)")
if(windows_own)
  message(FATAL_ERROR "Libraries of the toolkit or the compiler not found: ${windows_own}")
endif()
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(library ${found})
  file(REAL_PATH "${library}" library)
  file(INSTALL "${library}" DESTINATION "${destination}")
  get_filename_component(name "${library}" NAME)
  list(APPEND installed "${destination}/${name}")
endforeach()
foreach(module ${modules})
  get_filename_component(folder "${module}" DIRECTORY)
  get_filename_component(folder "${folder}" NAME)
  get_filename_component(name "${module}" NAME)
  list(APPEND installed "${destination}/${folder}/${name}")
endforeach()
if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND "${strip}" ${installed} COMMAND_ERROR_IS_FATAL ANY)
endif()
]])

# README.txt and the licences, with Windows line ends.
function(install_text source destination name)
  file(READ "${source}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/package-text/${destination}/${name}" "${text}")
  install(FILES "${CMAKE_CURRENT_BINARY_DIR}/package-text/${destination}/${name}" DESTINATION "${destination}")
endfunction()
configure_file("${resources}/README.txt.in" README.txt @ONLY)
install_text("${CMAKE_CURRENT_BINARY_DIR}/README.txt" . README.txt)

# The Debian source packages the shipped libraries were built from, and their versions: the toolkit records its
# own when it is built; the compiler's runtime libraries are this machine's.
if(NOT EXISTS "${toolkit}/debian-source")
  message(FATAL_ERROR "${toolkit}/debian-source is missing: scripts/setup-windows-toolkit records it")
endif()
file(STRINGS "${toolkit}/debian-source" source LIMIT_COUNT 1)
separate_arguments(source)
list(GET source 1 ITEMEDIT_QT_SOURCE_VERSION)
foreach(package gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev)
  execute_process(COMMAND dpkg-query -W "-f=\${source:Version}" ${package} OUTPUT_VARIABLE version
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "the package ${package} is not installed")
  endif()
  list(APPEND source_versions "${version}")
endforeach()
list(GET source_versions 0 ITEMEDIT_GCC_SOURCE_VERSION)
list(GET source_versions 1 ITEMEDIT_MINGW_SOURCE_VERSION)
configure_file("${resources}/SOURCES.txt.in" SOURCES.txt @ONLY)
install_text("${CMAKE_CURRENT_BINARY_DIR}/SOURCES.txt" LICENSES SOURCES.txt)
install_text(/usr/share/common-licenses/LGPL-3 LICENSES LGPL-3.txt)
install_text(/usr/share/common-licenses/GPL-3 LICENSES GPL-3.txt)
install_text(/usr/share/doc/libqt6core6/copyright LICENSES qt6-base-copyright.txt)
install_text(/usr/share/doc/gcc-mingw-w64-base/copyright LICENSES gcc-mingw-w64-copyright.txt)
install_text(/usr/share/doc/mingw-w64-common/copyright LICENSES mingw-w64-copyright.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tarnwick-item-editor)
set(CPACK_PACKAGE_VENDOR Ormsby)
set(CPACK_PACKAGE_FILE_NAME "tarnwick-item-editor-${PROJECT_VERSION}-windows-x64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
include(CPack)
