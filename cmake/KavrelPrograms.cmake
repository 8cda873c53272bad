# kavrel_install_program(target)
# Installs a program into the programs folder and names it as one of the
# programs there, which the demo folder copies.
function(kavrel_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${KAVREL_INSTALL_DIR})
  set_property(GLOBAL APPEND PROPERTY KAVREL_PROGRAMS ${target})
endfunction()
