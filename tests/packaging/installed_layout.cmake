# Installs the build into a staging folder as a package would (prefix /usr), checks
# what lands there, runs the desktop validators and makes the Debian package when
# the tools for them are installed.
# cmake -DBUILD=.. -DSTAGE=.. -DAPP_ID=.. -DCPACK=.. -DVERSION=.. -DDATA_FROM_BIN=..
#       -DPREVIEW_FROM_BIN=.. -P this
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()
function(expect text pattern)
  if(NOT "${text}" MATCHES "${pattern}")
    message(FATAL_ERROR "'${pattern}' not in:\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${STAGE})
run(${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr --strip)
set(usr ${STAGE}/usr)
# The editor finds its help and its preview module at these places relative to itself.
foreach(f bin/ulvanta-editor bin/ulvanta-build bin/ulvanta2.exe bin/${DATA_FROM_BIN}/help/index.html
          bin/${PREVIEW_FROM_BIN}/ulvanta-preview.so
          share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
          share/icons/hicolor/scalable/apps/${APP_ID}.svg share/icons/hicolor/48x48/apps/${APP_ID}.png
          share/man/man1/ulvanta-build.1.gz share/man/man1/Ulvanta2.exe.1.gz
          share/doc/ulvanta-editor/copyright share/doc/ulvanta-editor/changelog.gz)
  if(NOT EXISTS ${usr}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ_SYMLINK ${usr}/bin/Ulvanta2.exe target)
expect("${target}" "^ulvanta2.exe$")
# The programs answer these without any display.
foreach(call "ulvanta-build --version" "ulvanta2.exe --version" "ulvanta-editor --version"
        "ulvanta-editor --help")
  separate_arguments(call)
  run(${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      ${usr}/bin/${call})
  expect("${out}" "${VERSION}|Usage: ulvanta-editor .*--version")
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run(${DESKTOP_FILE_VALIDATE} ${usr}/share/applications/${APP_ID}.desktop)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  run(${APPSTREAMCLI} validate --no-net ${usr}/share/metainfo/${APP_ID}.metainfo.xml)
endif()
# The file type is known by its name and by its first bytes.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  run(${UPDATE_MIME_DATABASE} ${usr}/share/mime)
  file(STRINGS ${usr}/share/mime/globs2 globs)
  expect("${globs}" "application/x-ulvanta:\\*\\.pmf")
  file(STRINGS ${usr}/share/mime/magic magic)
  expect("${magic}" "application/x-ulvanta.*VODK")
endif()

find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  run(${CMAKE_COMMAND} -E chdir ${BUILD} ${CPACK} -G DEB -B ${STAGE}/deb)
  file(GLOB deb ${STAGE}/deb/*.deb)
  run(dpkg-deb -f ${deb} Depends)
  expect("${out}" "libqt6widgets6")
  expect("${out}" "libqt6webenginewidgets6")
  run(dpkg-deb -c ${deb})
  expect("${out}" "/usr/bin/ulvanta-editor\n")
  expect("${out}" "/usr/share/applications/${APP_ID}.desktop\n")
  find_program(LINTIAN lintian)
  if(LINTIAN)
    run(${LINTIAN} --fail-on error ${deb}) # Debian's checker finds no error
  endif()
endif()
