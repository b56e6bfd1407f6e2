# The manager's platform-free rules; also built natively for the unit tests.
set(VANTOR_MANAGER_CORE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VANTOR_MANAGER_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/alias_order.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_editor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/theme.cpp
)
macro(vantor_add_manager_core)
  add_library(vantor_manager_core STATIC ${VANTOR_MANAGER_CORE_SOURCES})
  target_include_directories(vantor_manager_core PUBLIC ${VANTOR_MANAGER_CORE_DIR})
  target_link_libraries(vantor_manager_core PUBLIC vantor_common)
endmacro()
