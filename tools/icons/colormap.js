// Writes the colour picker's hue/saturation field as a 298 x 257 RGB PNG:
// hue runs from 0 (left column) to 1 (right column), saturation from 1 (top
// row) to 0 (bottom row), brightness is 1 throughout (HSV).
// Usage: node colormap.js OUT.png   (Node's standard library only)
'use strict';
const fs = require('fs');
const zlib = require('zlib');

const W = 298, H = 257;

function hsvToRgb(h, s, v) {
  const i = Math.floor(h * 6) % 6, f = h * 6 - Math.floor(h * 6);
  const p = v * (1 - s), q = v * (1 - f * s), t = v * (1 - (1 - f) * s);
  return [[v, t, p], [q, v, p], [p, v, t], [p, q, v], [t, p, v], [v, p, q]][i];
}

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function crc32(buf) {
  let c = 0xffffffff;
  for (const b of buf) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const len = Buffer.alloc(4), crc = Buffer.alloc(4);
  const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
  len.writeUInt32BE(data.length);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([len, body, crc]);
}

// Scanlines: one filter byte (0, none) then RGB triples.
const raw = Buffer.alloc(H * (1 + W * 3));
for (let y = 0; y < H; y++) {
  const row = y * (1 + W * 3), s = 1 - y / (H - 1);
  for (let x = 0; x < W; x++) {
    const rgb = hsvToRgb(x / (W - 1), s, 1);
    for (let c = 0; c < 3; c++) raw[row + 1 + x * 3 + c] = Math.round(rgb[c] * 255);
  }
}

const header = Buffer.alloc(13);
header.writeUInt32BE(W, 0);
header.writeUInt32BE(H, 4);
header.set([8, 2, 0, 0, 0], 8); // 8-bit, truecolour, deflate, no filter set, no interlace

fs.writeFileSync(process.argv[2] || 'colormap.png', Buffer.concat([
  Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
  chunk('IHDR', header),
  chunk('IDAT', zlib.deflateSync(raw, { level: 9 })),
  chunk('IEND', Buffer.alloc(0)),
]));
