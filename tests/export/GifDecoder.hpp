// Reads a GIF back with giflib for the tests: every frame composited onto the screen as a viewer
// shows it, with its delay, disposal and the loop extensions.
#pragma once

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace jouk::testing {

using Frame = std::vector<std::uint32_t>;

// What giflib reads back from the encoded bytes.
struct Decoded {
  bool ok = false;
  std::string version;  // "GIF89a" or "GIF87a"
  int width = 0;
  int height = 0;
  int paletteSize = 0;          // entries of the global colour table
  std::vector<Frame> frames;    // each frame's pixels as 0x00RRGGBB, composited on the screen
  std::vector<int> delays;      // from each frame's graphic control extension (-1: none)
  std::vector<int> disposals;   // likewise
  int loopExtensions = 0;       // NETSCAPE2.0 blocks seen
  std::vector<int> loopCounts;  // the loop count of each
  std::string error;
};

struct Reader {
  const std::string* bytes;
  std::size_t at;
};

inline int ReadBytes(GifFileType* gif, GifByteType* out, int length) {
  auto* reader = static_cast<Reader*>(gif->UserData);
  const std::size_t n =
      std::min(static_cast<std::size_t>(length), reader->bytes->size() - reader->at);
  std::memcpy(out, reader->bytes->data() + reader->at, n);
  reader->at += n;
  return static_cast<int>(n);
}

// Reads the loop extensions among an image's extension blocks.
inline void CollectLoops(const ExtensionBlock* blocks, int count, Decoded& d) {
  for (int i = 0; i < count; ++i) {
    const ExtensionBlock& b = blocks[i];
    if (b.Function != APPLICATION_EXT_FUNC_CODE || b.ByteCount != 11 ||
        std::memcmp(b.Bytes, "NETSCAPE2.0", 11) != 0) {
      continue;
    }
    ++d.loopExtensions;
    const ExtensionBlock* next = i + 1 < count ? &blocks[i + 1] : nullptr;
    if (next != nullptr && next->Function == CONTINUE_EXT_FUNC_CODE && next->ByteCount == 3 &&
        next->Bytes[0] == 1) {
      d.loopCounts.push_back(next->Bytes[1] | (next->Bytes[2] << 8));
    } else {
      d.loopCounts.push_back(-1);
    }
  }
}

// Decodes with DGifSlurp and composites every frame onto the screen as a viewer would.
inline Decoded Decode(const std::string& bytes) {
  Decoded d;
  Reader reader{&bytes, 0};
  int code = 0;
  GifFileType* gif = DGifOpen(&reader, ReadBytes, &code);
  if (gif == nullptr) {
    d.error = GifErrorString(code);
    return d;
  }
  if (DGifSlurp(gif) == GIF_ERROR) {
    d.error = GifErrorString(gif->Error);
    DGifCloseFile(gif, &code);
    return d;
  }
  d.version = bytes.substr(0, 6);
  d.width = gif->SWidth;
  d.height = gif->SHeight;
  d.paletteSize = gif->SColorMap != nullptr ? gif->SColorMap->ColorCount : 0;
  Frame screen(static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height), 0);
  d.ok = true;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    const GifImageDesc& desc = image.ImageDesc;
    const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (map == nullptr || desc.Left < 0 || desc.Top < 0 || desc.Left + desc.Width > d.width ||
        desc.Top + desc.Height > d.height || desc.Interlace) {
      d.ok = false;
      d.error = "frame outside the screen, interlaced or without palette";
      break;
    }
    for (int y = 0; y < desc.Height; ++y) {
      for (int x = 0; x < desc.Width; ++x) {
        const int index = image.RasterBits[y * desc.Width + x];
        if (index >= map->ColorCount) {
          d.ok = false;
          d.error = "pixel index beyond the palette";
          break;
        }
        const GifColorType c = map->Colors[index];
        screen[static_cast<std::size_t>((desc.Top + y) * d.width + desc.Left + x)] =
            (std::uint32_t{c.Red} << 16) | (std::uint32_t{c.Green} << 8) | c.Blue;
      }
    }
    d.frames.push_back(screen);
    GraphicsControlBlock gcb{};
    if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK) {
      d.delays.push_back(gcb.DelayTime);
      d.disposals.push_back(gcb.DisposalMode);
    } else {
      d.delays.push_back(-1);
      d.disposals.push_back(-1);
    }
    CollectLoops(image.ExtensionBlocks, image.ExtensionBlockCount, d);
  }
  CollectLoops(gif->ExtensionBlocks, gif->ExtensionBlockCount, d);
  DGifCloseFile(gif, &code);
  return d;
}

}  // namespace jouk::testing
