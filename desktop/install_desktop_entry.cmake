# Installs the desktop entry. Run at install time, when the prefix is known,
# so that Exec names the installed executable by its full path: the menu
# entry then starts the program even where the prefix's bin folder is not on
# the session's PATH (~/.local/bin is not, until the next login).
# Set before including: KELVOR_DESKTOP_TEMPLATE, KELVOR_DESKTOP_STAGING (a
# folder of the build), KELVOR_APP_ID, KELVOR_BINDIR, KELVOR_APPLICATIONS_DIR.

function(kelvor_under_prefix out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

kelvor_under_prefix(program "${KELVOR_BINDIR}")
set(program "${program}/Kelvor")
kelvor_under_prefix(applications "${KELVOR_APPLICATIONS_DIR}")

# Exec is a command line: a path with characters a command line reserves
# is quoted, and inside the quotes ", `, $ and \ are escaped; then the value
# escapes its backslashes once more and doubles % (field codes).
if(program MATCHES "[\n\r]")
  message(FATAL_ERROR "A desktop entry cannot name a program path holding a line break: ${program}")
endif()
set(exec "${program}")
if(NOT exec MATCHES "^[A-Za-z0-9/._+-]+$")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
  string(REPLACE "\\" "\\\\" exec "${exec}")
endif()
string(REPLACE "%" "%%" KELVOR_EXEC "${exec}")

# Staged per prefix, so that installs to different prefixes never share it.
string(MD5 prefix_key "${CMAKE_INSTALL_PREFIX}")
set(staged "${KELVOR_DESKTOP_STAGING}/${prefix_key}/${KELVOR_APP_ID}.desktop")
configure_file("${KELVOR_DESKTOP_TEMPLATE}" "${staged}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${staged}")
