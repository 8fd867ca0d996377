#pragma once

namespace sarovin {

// Makes every chart read as a picture, by its accessible name and
// description, instead of as an empty filler. Called before the first
// chart is made; later calls do nothing.
void ReadChartsAsGraphics();

}  // namespace sarovin
