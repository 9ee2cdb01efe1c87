# The Windows programs, cross-built with mingw-w64 (cmake/toolchain-mingw-*).
#
# They are linked statically, the C++ runtime, libgcc and winpthread
# included, so that an administrator copies two .exe files and nothing else:
# they import only Windows' own DLLs (scripts/check-windows-exe.sh checks).
enable_language(RC)

function(skarvik_windows_program target description)
  set(SKARVIK_RC_NAME ${target})
  set(SKARVIK_RC_FILE ${target}.exe)
  set(SKARVIK_RC_DESCRIPTION "${description}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in
                 ${PROJECT_BINARY_DIR}/generated/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/generated/${target}.rc)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  # FindODBC links libodbc32.a between -Bstatic and -Bdynamic; without this
  # the runtime libraries the compiler adds after it would be the DLLs.
  set_target_properties(${target} PROPERTIES LINK_SEARCH_END_STATIC ON)
endfunction()

skarvik_windows_program(skarvik
  "Skarvik: exports the device records of Velkora into the import files of Kelvarion")
skarvik_windows_program(skarvik-cipher
  "skarvik-cipher: enciphers and checks the login values of Kelvarion.Ini")
skarvik_windows_program(skarvik-check
  "skarvik-check: what a migration will do to the data, before it runs and after")

# The archive: both programs and a README.txt for the administrator, with
# the line ends of Windows.
install(TARGETS skarvik skarvik-cipher skarvik-check RUNTIME DESTINATION .)
configure_file(${PROJECT_SOURCE_DIR}/docs/windows/README.txt
               ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
