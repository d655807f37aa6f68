// Reading PNG files (8-bit greyscale, RGB or RGBA, not interlaced: what Chromium's screenshots
// and our golden images are) into RGB pixels, for comparing them.
import {inflateSync} from 'node:zlib';

// {width, height, rgb} of the PNG in buffer: rgb holds 3 bytes a pixel, row by row.
export function decodePng(buffer) {
  let width = 0, height = 0, channels = 0;
  const data = [];
  for (let at = 8; at < buffer.length;) {
    const length = buffer.readUInt32BE(at);
    const type = buffer.toString('latin1', at + 4, at + 8);
    const body = buffer.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const [depth, colour, , , interlace] = body.subarray(8, 13);
      channels = {0: 1, 2: 3, 4: 2, 6: 4}[colour];
      if (depth !== 8 || !channels || interlace)
        throw new Error(`unsupported PNG: depth ${depth}, colour type ${colour}`);
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const out = y * stride;
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? pixels[out + x - channels] : 0;
      const up = y > 0 ? pixels[out - stride + x] : 0;
      const corner = x >= channels && y > 0 ? pixels[out - stride + x - channels] : 0;
      let predictor = 0;
      if (filter === 1) predictor = left;
      else if (filter === 2) predictor = up;
      else if (filter === 3) predictor = (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - corner;
        const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
        predictor = a <= b && a <= c ? left : b <= c ? up : corner;
      }
      pixels[out + x] = (line[x] + predictor) & 255;
    }
  }
  const rgb = Buffer.alloc(width * height * 3);
  for (let i = 0; i < width * height; ++i)
    for (let c = 0; c < 3; ++c)
      rgb[i * 3 + c] = pixels[i * channels + (channels < 3 ? 0 : c)];
  return {width, height, rgb};
}
