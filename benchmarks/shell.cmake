# Start-up of the real program next to a minimal Qt Widgets program with one dialog. The two
# probes are started by bench_shell; each reports when its first window is painted.
zw_add_benchmark(startup_probe_shell
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell/ShownReport.h ${CMAKE_CURRENT_LIST_DIR}/shell/ShellProbe.cpp
  LIBS zw_app)
zw_add_benchmark(startup_probe_minimal
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell/ShownReport.h ${CMAKE_CURRENT_LIST_DIR}/shell/MinimalProbe.cpp
  LIBS Qt6::Widgets)
zw_add_benchmark(bench_shell
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell/StartUpBenchmark.cpp
  LIBS Qt6::Core)
add_dependencies(bench_shell startup_probe_shell startup_probe_minimal)
