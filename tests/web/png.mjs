// Reads a screenshot: the PNGs the engines write (8 bits a channel, RGB or RGBA, not
// interlaced), as the colour of each pixel.
import {inflateSync} from 'node:zlib';

// The picture's size and its colour at a device pixel, as CSS writes it ('rgb(r, g, b)').
export function decodePng(png) {
    const chunks = [];
    let header = null;
    for (let at = 8; at < png.length; at += 12 + png.readUInt32BE(at)) {
        const body = png.subarray(at + 8, at + 8 + png.readUInt32BE(at));
        const kind = png.toString('latin1', at + 4, at + 8);
        if (kind === 'IHDR') header = body;
        else if (kind === 'IDAT') chunks.push(body);
    }
    const [width, height] = [header.readUInt32BE(0), header.readUInt32BE(4)];
    const [depth, type, interlace] = [header[8], header[9], header[12]];
    if (depth !== 8 || (type !== 2 && type !== 6) || interlace)
        throw new Error(`a PNG this reader does not know: depth ${depth}, type ${type}`);
    const channels = type === 6 ? 4 : 3;
    const stride = width * channels;
    const raw = inflateSync(Buffer.concat(chunks));
    const pixels = Buffer.alloc(stride * height);
    // Each line is filtered against the one before and the pixel to the left: undo it.
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; ++x) {
            const left = x >= channels ? pixels[y * stride + x - channels] : 0;
            const up = y > 0 ? pixels[(y - 1) * stride + x] : 0;
            const corner = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
            const guess = left + up - corner;
            const paeth = [left, up, corner].reduce((a, b) =>
                Math.abs(guess - b) < Math.abs(guess - a) ? b : a);
            const predicted = [0, left, up, (left + up) >> 1, paeth][filter];
            pixels[y * stride + x] = (raw[y * (stride + 1) + 1 + x] + predicted) & 255;
        }
    }
    return {
        width, height,
        at(x, y) {
            const i = Math.min(y, height - 1) * stride + Math.min(x, width - 1) * channels;
            return `rgb(${pixels[i]}, ${pixels[i + 1]}, ${pixels[i + 2]})`;
        },
    };
}
