# Start-up: the command line, the printer-to-model choice, the resource library, the
# message-box service and the program qlx5srct.
target_sources(qlx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ApplicationCaption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuDefinition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageLogLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrinterModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupDecision.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringTable.cpp
)
target_sources(qlx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxService.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResourceLibrary.cpp
)
target_sources(qlx_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainDialogRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupShell.cpp
)

# The program; its resource library is built with it.
add_executable(qlx5srct ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(qlx5srct PRIVATE qlx_gui)
add_dependencies(qlx5srct qlx_resources)
