// Decodes the PNGs the exporter writes (8 bits per channel, RGB or RGBA, not interlaced) to
// RGBA bytes, with node's own zlib: the tests compare them with a canvas's pixels.
import { inflateSync } from 'node:zlib';

const kSignature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// The chunks' header and the concatenated image data.
function readChunks(bytes) {
  if (!bytes.subarray(0, 8).equals(kSignature)) throw new Error('not a PNG');
  let header = null;
  const data = [];
  for (let at = 8; at + 8 <= bytes.length;) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') header = body;
    if (type === 'IDAT') data.push(body);
    if (type === 'IEND') break;
    at += 12 + length;
  }
  if (header === null) throw new Error('PNG without IHDR');
  return { header, data: inflateSync(Buffer.concat(data)) };
}

// Undoes the row filters in place; bpp bytes per pixel, stride bytes per row.
function unfilter(raw, height, stride, bpp) {
  const out = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const row = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const a = x >= bpp ? out[y * stride + x - bpp] : 0;
      const b = y > 0 ? out[(y - 1) * stride + x] : 0;
      const c = x >= bpp && y > 0 ? out[(y - 1) * stride + x - bpp] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      if (predictor === undefined) throw new Error(`unknown PNG filter ${filter}`);
      out[y * stride + x] = (row[x] + predictor) & 0xff;
    }
  }
  return out;
}

// { width, height, rgba } of the PNG in bytes.
export function decodePng(bytes) {
  const { header, data } = readChunks(bytes);
  const width = header.readUInt32BE(0);
  const height = header.readUInt32BE(4);
  const [depth, colourType, , , interlace] = header.subarray(8, 13);
  if (depth !== 8 || (colourType !== 2 && colourType !== 6) || interlace !== 0) {
    throw new Error(`unsupported PNG: depth ${depth}, colour type ${colourType}, interlace ${interlace}`);
  }
  const bpp = colourType === 6 ? 4 : 3;
  const pixels = unfilter(data, height, width * bpp, bpp);
  const rgba = Buffer.alloc(width * height * 4, 0xff);
  for (let i = 0; i < width * height; ++i) {
    pixels.copy(rgba, 4 * i, bpp * i, bpp * i + 3);
    if (bpp === 4) rgba[4 * i + 3] = pixels[4 * i + 3];
  }
  return { width, height, rgba };
}
