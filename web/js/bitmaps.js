// The core's own bitmaps (the title animation, the name page's background)
// put on canvases straight from the module's memory: the page wraps the rows
// the core keeps, and the texts the core drew go on top as real text.

export function drawBitmap(canvas, module, description) {
  const bitmap = JSON.parse(description);
  if (bitmap.width <= 0 || bitmap.height <= 0) return bitmap.version;
  const context = canvas.getContext("2d");
  const bytes = new Uint8ClampedArray(module.HEAPU8.buffer, bitmap.pixels, bitmap.width * bitmap.height * 4);
  context.putImageData(new ImageData(bytes, bitmap.width, bitmap.height), 0, 0);
  for (const text of bitmap.texts) {
    context.font = `${text.italic ? "italic " : ""}${text.bold ? "bold " : ""}${text.px}px ${gameFont(canvas)}`;
    context.fillStyle = text.colour;
    context.textBaseline = "top";
    context.fillText(text.text, text.x, text.y);
  }
  return bitmap.version;
}

let font = null;
function gameFont(canvas) {
  font ??= getComputedStyle(canvas).getPropertyValue("--game-font").trim() || "sans-serif";
  return font;
}
