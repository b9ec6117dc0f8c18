# Fails when the layer report names a logic library that links Qt Widgets, or
# a library of the executable that links Qt at all.
file(READ "${REPORT}" report)
if(report MATCHES "Qt6::Widgets|links Qt")
  message(FATAL_ERROR "Libraries that link what their layer must not:\n${report}")
endif()
message(STATUS "${report}")
