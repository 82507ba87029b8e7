# `cmake --install build --prefix PREFIX` gives:
#   PREFIX/bin/panelry
#   PREFIX/lib/panelry/libpanelry_*.so                (its modules, found from bin/)
#   PREFIX/share/panelry/resources/...            (found from bin/ at run time)
#   PREFIX/share/applications/panelry.desktop
#   PREFIX/share/icons/hicolor/<size>/apps/panelry.png
# The folders are fixed because the binary finds its resources at
# <bin>/../share/panelry/resources.

install(TARGETS panelry RUNTIME DESTINATION bin)
get_property(modules GLOBAL PROPERTY PANELRY_MODULES)
if(modules)
  install(TARGETS ${modules} LIBRARY DESTINATION lib/panelry)
endif()
install(DIRECTORY "${PANELRY_RESOURCES_SOURCE_DIR}/" DESTINATION share/panelry/resources)
install(FILES "${PROJECT_SOURCE_DIR}/desktop/panelry.desktop" DESTINATION share/applications)
foreach(size 48 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/desktop/icons/panelry-${size}.png"
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME panelry.png)
endforeach()
