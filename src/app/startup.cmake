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
