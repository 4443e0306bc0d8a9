// Writes the fuzzer's seed corpus into a directory: small PNG files of every
// colour type, several bit depths, interlaced and not, with and without tRNS.

#include <png.h>

#include <cstdio>
#include <string>

#include "tests/render/png_writer.h"

namespace {

PngPicture picture(int colourType, int bitDepth, bool interlaced) {
  PngPicture p;
  p.width = 5;
  p.height = 3;
  p.colourType = colourType;
  p.bitDepth = bitDepth;
  p.interlaced = interlaced;
  const int channels = colourType == PNG_COLOR_TYPE_GRAY         ? 1
                       : colourType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                       : colourType == PNG_COLOR_TYPE_RGB        ? 3
                       : colourType == PNG_COLOR_TYPE_RGBA       ? 4
                                                                 : 1;
  const int top = colourType == PNG_COLOR_TYPE_PALETTE ? 3 : (1 << bitDepth) - 1;
  for (int i = 0; i < p.width * p.height * channels; ++i) p.samples.push_back((i * 7) % (top + 1));
  if (colourType == PNG_COLOR_TYPE_PALETTE) {
    p.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    p.paletteAlpha = {255, 128, 0};
  }
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds DIRECTORY\n");
    return 2;
  }
  const std::string dir = argv[1];
  struct Kind {
    int colourType, bitDepth;
  };
  const Kind kinds[] = {{PNG_COLOR_TYPE_GRAY, 1},      {PNG_COLOR_TYPE_GRAY, 16},
                        {PNG_COLOR_TYPE_GRAY_ALPHA, 8}, {PNG_COLOR_TYPE_RGB, 8},
                        {PNG_COLOR_TYPE_RGB, 16},       {PNG_COLOR_TYPE_RGBA, 8},
                        {PNG_COLOR_TYPE_PALETTE, 2},    {PNG_COLOR_TYPE_PALETTE, 8}};
  int n = 0;
  for (const Kind& k : kinds) {
    for (bool interlaced : {false, true}) {
      const std::string path = dir + "/seed-" + std::to_string(n++) + ".png";
      if (!writePng(path, picture(k.colourType, k.bitDepth, interlaced))) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  }
  return 0;
}
