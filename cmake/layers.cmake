# The layers of the build: logic and command-line libraries reach Qt Core and
# Qt Gui at most; only the *_ui libraries and the desktop module link Qt Widgets.
# glifora_check_layers() walks each logic library's link interface, as it
# stands once every library is defined, and writes what it finds to a report
# that the `layers` test reads.

function(_glifora_collect_links target out)
  set(seen ${${out}})
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(links ${target} ${property})
    if(NOT links)
      continue()
    endif()
    foreach(link ${links})
      if(link IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${link})
      if(TARGET ${link} AND link MATCHES "^glifora_")
        _glifora_collect_links(${link} seen)
      endif()
    endforeach()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(glifora_check_layers report)
  set(lines "")
  foreach(target ${ARGN})
    set(links "")
    _glifora_collect_links(${target} links)
    if("Qt6::Widgets" IN_LIST links)
      string(APPEND lines "${target}: Qt6::Widgets\n")
    else()
      string(APPEND lines "${target}: ok\n")
    endif()
  endforeach()
  file(WRITE ${report} "${lines}")
endfunction()
