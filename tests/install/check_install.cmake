# Installs the build into a fresh prefix and checks that the program, the
# site, the icon and the desktop entry land where a desktop looks for them.
# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(program bin/cadenzo bin/cadenzo-site)
  if(NOT EXISTS ${PREFIX}/${program} OR IS_DIRECTORY ${PREFIX}/${program})
    message(FATAL_ERROR "${program} was not installed")
  endif()
endforeach()

# A PNG's header gives its width and height as 32-bit numbers at bytes 16 and 20.
set(icon ${PREFIX}/share/icons/hicolor/48x48/apps/cadenzo.png)
if(NOT EXISTS ${icon})
  message(FATAL_ERROR "the icon was not installed")
endif()
file(READ ${icon} header LIMIT 24 HEX)
if(NOT header MATCHES "^89504e470d0a1a0a.*0000003000000030$")
  message(FATAL_ERROR "the icon is no 48 x 48 PNG: ${header}")
endif()

file(READ ${PREFIX}/share/applications/cadenzo.desktop entry)
# Patterns of whole lines; "." stands for the ";" a CMake list cannot hold.
foreach(line "Name=Cadenzo" "Name\\[zh_CN\\]=Cadenzo.+" "Exec=cadenzo" "Icon=cadenzo"
        "Categories=Network.AudioVideo.")
  if(NOT entry MATCHES "\n${line}\n")
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
