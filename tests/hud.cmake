# The HUD: vertex lists, glyph cells and clock text without GL, the drawn HUD read back
# from a real GL context, and the HUD through the built library as a host drives it.
vigil_test(hud_geometry_tests hud/HudVerticesTest.cpp hud/InfoTextTest.cpp LINKS vigil_core)
vigil_test(hud_drawing_tests hud/HudDrawingTest.cpp hud/InfoBlockDrawingTest.cpp LINKS vigil_core vigil_hostkit)
vigil_test(hud_frame_tests hud/HudFrameTest.cpp LINKS vigil_hostkit PLUGIN)
