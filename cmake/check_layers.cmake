# Fails when the layer report names a logic library that links Qt Widgets.
file(READ "${REPORT}" report)
if(report MATCHES "Qt6::Widgets")
  message(FATAL_ERROR "Logic libraries that link Qt Widgets:\n${report}")
endif()
message(STATUS "${report}")
