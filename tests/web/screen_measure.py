"""What the page shows a player on a given screen, for the browser tests and
the site's figures: the device emulated, a recording played to each new kind
of screen, and the sizes a finger and an eye meet there."""

# Plays a recording's lines from `from` until a screen of a kind not in
# `seen` (a spoil is a kind of its own, known by its first line); returns
# where it stopped and the kind, or null at the end of the lines.
REPLAY_UNTIL = """
const [seed, lines, from, seen, spoil] = arguments;
const game = window.zemra6;
if (from === 0) {
  game.holdClock(true);
  game.start(false, seed);
}
const kind = (s) => s.page !== "main" ? s.page
  : s.lines[0] === spoil ? "main/spoil" : `main/${s.top}${s.info === null ? "" : "/info"}`;
if (from === 0 && !seen.includes(kind(game.state))) return {at: 0, kind: kind(game.state)};
for (let i = from; i < lines.length; i++) {
  if (lines[i].input === undefined) continue;
  game.apply(JSON.parse(game.module.inputFromLine(lines[i].input)));
  if (!seen.includes(kind(game.state))) return {at: i + 1, kind: kind(game.state)};
}
return null;
"""
# What a finger and an eye meet on the screen as it is: the smallest target
# (every visible button, link and control) and the smallest text, in CSS
# pixels as shown, those below 44 px or 14 px, anything outside the screen,
# and whether the page is wider than the screen (`arguments[0]`, its width) and scrolls sideways.
MEASURE = """
const stage = document.getElementById('stage');
const scale = stage === null ? 1 : stage.getBoundingClientRect().width / stage.offsetWidth;
const shown = (e) => e.checkVisibility({visibilityProperty: true}) && e.closest('.hidden-text, select, noscript') === null;
const name = (e) => e.id || e.dataset.tool || e.dataset.command && `command ${e.dataset.command}` ||
  e.dataset.sword && `sword ${e.dataset.sword}` || e.className || e.tagName;
const targets = [...document.querySelectorAll('button, a[href], input:not([type=file]), select')].filter(shown)
  .map((e) => [name(e), e.getBoundingClientRect()]).filter(([, r]) => r.width > 0 && r.height > 0);
const texts = [];
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
  const parent = node.parentElement;
  if (node.data.trim() === '' || !shown(parent)) continue;
  const size = parseFloat(getComputedStyle(parent).fontSize) * (stage?.contains(parent) ? scale : 1);
  texts.push([node.data.trim().slice(0, 12), size]);
}
const side = (r) => Math.min(r.width, r.height);
const outside = (r) => r.left < -0.5 || r.top < -0.5 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5;
return {
  target: Math.min(...targets.map(([, r]) => side(r))),
  text: Math.min(...texts.map(([, size]) => size)),
  small: targets.filter(([, r]) => side(r) < 43.5).map(([n, r]) => `${n} ${Math.round(r.width)}x${Math.round(r.height)}`),
  tiny: texts.filter(([, size]) => size < 13.95).map(([t, size]) => `${t} ${size.toFixed(1)}px`),
  outside: targets.filter(([, r]) => outside(r)).map(([n]) => n),
  sideways: Math.max(document.documentElement.scrollWidth, innerWidth) > arguments[0],
  phone: document.documentElement.classList.contains('phone'),
};
"""
# The screens the phone's tests and figures hold: (name, width, height, touch).
DEVICES = [("phone upright", 360, 740, True), ("phone on its side", 740, 360, True), ("desktop", 1280, 800, False)]


def emulate(driver, width, height, touch):
    """The page as a device of that size shows it, with a finger or a mouse for its pointer."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": touch})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
