# The headless host: everything but main() sits in a library the tests link too.
add_library(vigil_hostcli STATIC
  CommandLine.cpp PluginClient.cpp ParameterSettings.cpp FramePath.cpp TestCard.cpp
  PictureLoad.cpp PictureConvert.cpp InputPicture.cpp FrameStatistics.cpp RenderSession.cpp FrameTextures.cpp
  InfoCommand.cpp ThumbnailCommand.cpp RenderCommand.cpp BenchCommand.cpp TextureCopy.cpp FontSheetCommand.cpp
  PngWrite.cpp FontSheet.cpp ${CMAKE_SOURCE_DIR}/effect/GlyphTable.cpp)
target_link_libraries(vigil_hostcli PUBLIC vigil_hostkit vigil_stb)

if(WIN32)
  add_executable(vigil-host main.cpp HostPlatformWin.cpp)
else()
  add_executable(vigil-host main.cpp HostPlatformPosix.cpp DrawCallCounterPosix.cpp)
  # Export exactly the interposed draw functions, so a loaded plug-in binds to them.
  target_link_options(vigil-host PRIVATE -Wl,--dynamic-list=${CMAKE_CURRENT_SOURCE_DIR}/draw-calls.list)
endif()
target_link_libraries(vigil-host PRIVATE vigil_hostcli)
