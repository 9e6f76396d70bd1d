# Installs the built tree into a scratch prefix and checks what a desktop needs:
# exactly the expected files (no test or benchmark programs), an executable program,
# and a desktop entry and metadata that name that program and the installed icon.
#   cmake -DBUILD_DIR=... -DSCRATCH_DIR=... -DAPP_ID=... [-DCONFIG=...] -P install_check.cmake
foreach(var BUILD_DIR SCRATCH_DIR APP_ID)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(prefix ${SCRATCH_DIR}/prefix)
file(REMOVE_RECURSE ${SCRATCH_DIR})
set(config_args)
if(CONFIG)
  set(config_args --config ${CONFIG})
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_args}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(failures)
macro(fail text)
  list(APPEND failures "${text}")
endmacro()
# Fails with `text` unless the value of the variable `var` matches `regex`.
function(expect_match var regex text)
  if(NOT "${${var}}" MATCHES "${regex}")
    set(failures ${failures} "${text}" PARENT_SCOPE)
  endif()
endfunction()

set(expected
  bin/function-curves
  share/applications/${APP_ID}.desktop
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/metainfo/${APP_ID}.metainfo.xml)
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " got "${installed}")
  string(REPLACE ";" "\n  " want "${expected}")
  fail("installed files differ\n got:\n  ${got}\n expected:\n  ${want}")
endif()

execute_process(COMMAND test -x ${prefix}/bin/function-curves RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  fail("bin/function-curves is not executable")
endif()

# Desktop entry: one [Desktop Entry] group whose Exec names the installed program and
# whose Icon names the installed icon by its theme name.
set(desktop ${prefix}/share/applications/${APP_ID}.desktop)
if(EXISTS ${desktop})
  file(STRINGS ${desktop} lines)
  set(exec "")
  set(icon "")
  set(type "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^Exec=([^ ]*)")
      set(exec ${CMAKE_MATCH_1})
    elseif(line MATCHES "^Icon=(.*)$")
      set(icon ${CMAKE_MATCH_1})
    elseif(line MATCHES "^Type=(.*)$")
      set(type ${CMAKE_MATCH_1})
    endif()
  endforeach()
  expect_match(lines "^\\[Desktop Entry\\]"
               "the desktop entry does not start with [Desktop Entry]")
  if(NOT type STREQUAL "Application")
    fail("desktop entry Type is '${type}', not Application")
  endif()
  if(NOT exec STREQUAL "function-curves")
    fail("desktop entry Exec starts '${exec}', not the installed function-curves")
  endif()
  if(NOT icon STREQUAL APP_ID)
    fail("desktop entry Icon is '${icon}', not ${APP_ID}")
  elseif(NOT EXISTS ${prefix}/share/icons/hicolor/scalable/apps/${icon}.svg)
    fail("no installed icon ${icon}.svg for the desktop entry")
  endif()
  find_program(desktop_file_validate desktop-file-validate)
  if(desktop_file_validate)
    execute_process(COMMAND ${desktop_file_validate} ${desktop}
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
      fail("desktop-file-validate:\n${output}")
    endif()
  endif()
endif()

set(metainfo ${prefix}/share/metainfo/${APP_ID}.metainfo.xml)
if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  expect_match(xml "<id>${APP_ID}</id>" "metainfo id is not ${APP_ID}")
  expect_match(xml "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>"
               "metainfo does not launch ${APP_ID}.desktop")
  expect_match(xml "<binary>function-curves</binary>"
               "metainfo does not provide the function-curves binary")
endif()

set(svg ${prefix}/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
if(EXISTS ${svg})
  file(READ ${svg} svg_text)
  if(NOT svg_text MATCHES "^<svg [^>]*viewBox=\"0 0 ([0-9]+) ([0-9]+)\""
     OR NOT CMAKE_MATCH_1 STREQUAL CMAKE_MATCH_2)
    fail("the icon is not a square SVG")
  endif()
endif()

if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "${text}")
endif()
file(REMOVE_RECURSE ${SCRATCH_DIR})
message(STATUS "install check passed")
