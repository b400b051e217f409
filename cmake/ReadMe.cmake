# Help > ReadMe opens "readme.txt" beside the program: it is the project's
# README, copied next to the executable whenever the program is built.
if(TARGET ferrowind)
  set(_readme_out ${CMAKE_CURRENT_BINARY_DIR}/readme.txt)
  add_custom_command(OUTPUT ${_readme_out}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/README.md ${_readme_out}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/README.md
    COMMENT "Copying README.md to readme.txt beside the program")
  add_custom_target(ferrowind_readme ALL DEPENDS ${_readme_out})
  add_dependencies(ferrowind ferrowind_readme)
endif()
