// The size chart drawn again, after the size table changed.
#pragma once

// Draws the size chart again where it stands, when there is one.
void RedrawSizeChart();
