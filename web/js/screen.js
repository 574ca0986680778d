// Draws the core's screen description (the text front end's JSON) into the
// page's own elements, placed as the window places its controls. Only what
// changed is touched, so a title frame costs the page almost nothing.

import { tr } from "./i18n.js";

// The core gives colours as [r, g, b].
function rgb([r, g, b]) {
  return `rgb(${r}, ${g}, ${b})`;
}

function place(element, [left, top, width, height]) {
  Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
  return element;
}

// A page, a panel or a picture: its place and its colour.
function area(element, look) {
  place(element, look.box);
  if (look.background !== null) element.style.backgroundColor = rgb(look.background);
  return element;
}

// An element placed, lettered and coloured as the screen's look gives its
// control; the face's family is the page's own (--game-font).
function dress(element, look) {
  area(element, look);
  const face = `${look.italic ? "italic " : ""}${look.bold ? "bold " : ""}${look.px}px`;
  Object.assign(element.style, { font: `${face} var(--game-font)`, textAlign: look.align === "topLeft" ? "left" : "center" });
  if (look.text !== null) element.style.color = rgb(look.text);
  return element;
}

// A panel in its colour, with a raised ring outside a sunken one.
function areaWithBevel(panel, look, bevel) {
  area(panel, look);
  const [light, shadow, ring] = [rgb(bevel.light), rgb(bevel.shadow), bevel.ring];
  panel.style.boxShadow = [`inset ${ring}px ${ring}px 0 ${light}`, `inset -${ring}px -${ring}px 0 ${shadow}`,
    `inset ${2 * ring}px ${2 * ring}px 0 ${shadow}`, `inset -${2 * ring}px -${2 * ring}px 0 ${light}`].join(", ");
}

function make(tag, className, parent) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  parent.append(element);
  return element;
}

function setText(element, text) {
  if (element.textContent !== text) element.textContent = text;
}

function show(element, shown) {
  if (element.hidden === shown) element.hidden = !shown;
}

function setStyle(element, name, value) {
  if (element.style[name] !== value) element.style[name] = value;
}

function frame(panel, box, look) {
  const element = place(make("div", "frame", panel), box);
  Object.assign(element.style, { border: `${look.penWidth}px solid ${rgb(look.pen)}`, backgroundColor: rgb(look.fill) });
  return element;
}

// Each part named (and a hand's cards numbered) for the phone's arrangement of the panel.
function part(element, name, k = null) {
  element.dataset.part = name;
  if (k !== null) element.style.setProperty("--k", String(k));
  return element;
}

function buildFighter(panel, look) {
  const parts = { panel };
  const { fighter } = look;
  parts.currentFrame = part(frame(panel, fighter.currentFrame, look.cardFrame), "current-frame");
  fighter.frames.forEach((box, k) => part(frame(panel, box, look.cardFrame), "hand-frame", k));
  parts.caption = part(dress(make("span", "caption", panel), fighter.caption), "caption");
  for (const key of ["name", "life", "hit", "max", "card"]) {
    parts[key] = part(dress(make("span", key, panel), fighter[key]), key);
  }
  labelFighter(parts);
  parts.cards = fighter.cards.map((card, k) => part(dress(make("span", "card", panel), card), "hand-card", k));
  return parts;
}

// The panel's own words, in the page's language.
function labelFighter(parts) {
  setText(parts.caption, tr("命中率"));
  setText(parts.max, tr("％"));
}

function setAttribute(element, name, value) {
  if (element.getAttribute(name) !== value) element.setAttribute(name, value);
}

// `spoken`: the panel read as one line, and its life as words, as the core says them.
function drawFighter(parts, fighter, spoken) {
  setAttribute(parts.panel, "aria-label", spoken.summary);
  setText(parts.name, fighter.name);
  setText(parts.life, fighter.life);
  setAttribute(parts.life, "aria-label", spoken.life);
  setText(parts.hit, fighter.hit);
  const carded = fighter.card !== null;
  show(parts.currentFrame, carded);
  show(parts.card, carded);
  if (carded) setText(parts.card, fighter.card);
  fighter.cards.forEach((text, k) => setText(parts.cards[k], text));
}

export class Screen {
  // `look` is the core's screen look (its `look()`): every element's place, face and colours.
  constructor(doc, look) {
    const $ = (id) => doc.getElementById(id);
    this.schemes = look.schemes;
    this.pages = { title: $("page-title"), name: $("page-name"), main: $("page-main") };
    for (const [name, page] of Object.entries(this.pages)) area(page, look.pages[name]);
    area($("title-canvas"), look.pictures.title);
    area($("name-canvas"), look.pictures.name);
    this.nameLead = dress($("name-lead"), look.nameLead);
    dress($("name-edit"), look.nameEdit);
    dress($("name-button"), look.nameButton);
    this.tops = { sword: $("panel-sword"), image: $("panel-image"), enemy: $("panel-enemy") };
    const panels = { ...this.tops, self: $("panel-self"), console: $("panel-console"), info: $("panel-info") };
    for (const [name, panel] of Object.entries(panels)) areaWithBevel(panel, look.panels[name], look.bevel);
    this.image = $("main-image");
    // The picture stands at its own size from the panel's corner.
    const [left, top] = look.pictures.main.box;
    Object.assign(this.image.style, { left: `${left}px`, top: `${top}px` });
    this.console = panels.console;
    this.consoleText = dress($("console-text"), look.consoleText);
    this.infoPanel = panels.info;
    this.infoText = dress($("info-text"), look.infoText);
    this.self = buildFighter(panels.self, look);
    this.enemy = buildFighter(panels.enemy, look);
    this.swords = [];
    this.swordDescriptions = [];
    look.swords.forEach((labelLook, i) => {
      const label = dress(make("button", "sword", this.tops.sword), labelLook);
      label.type = "button";
      label.dataset.sword = String(i);
      const description = make("span", "hidden-text", this.tops.sword);
      description.id = `sword-info-${i}`;
      label.setAttribute("aria-describedby", description.id);
      this.swords.push(label);
      this.swordDescriptions.push(description);
    });
    this.commands = [];
    look.commands.forEach((buttonLook, i) => {
      const button = dress(make("button", "command", this.console), buttonLook);
      button.type = "button";
      button.dataset.command = String(i);
      button.hidden = true;
      this.commands.push(button);
    });
    this.pictureUrl = () => null;
    // The elements the core names once: its names for them replace the page's.
    this.named = { title: $("title-button"), nameScreen: $("name-canvas"), nameField: $("name-edit"),
                   row: this.tops.sword, console: this.console, info: this.infoPanel, picture: this.tops.image };
  }

  // The picture files as the page holds them: a function from a content name to an address.
  setPictures(pictureUrl) {
    this.pictureUrl = pictureUrl;
  }

  // `spoken`: what a screen reader hears, as the core words it for the window too.
  render(state, spoken) {
    for (const [name, element] of Object.entries(this.named)) setAttribute(element, "aria-label", spoken.fixed[name]);
    for (const [name, page] of Object.entries(this.pages)) show(page, state.page === name);
    if (state.page !== "main") return;
    for (const [name, panel] of Object.entries(this.tops)) show(panel, state.top === name);
    const url = state.image === null ? null : this.pictureUrl(state.image);
    show(this.image, url !== null);
    if (url !== null && this.image.getAttribute("src") !== url) this.image.src = url;
    if (url !== null) setAttribute(this.image, "alt", spoken.picture ?? "");
    drawFighter(this.self, state.self, spoken.self);
    drawFighter(this.enemy, state.enemy, spoken.enemy);
    this.drawSwords(state.swords);
    if (state.top === "sword") this.describeSwords(spoken.swords);
    const informed = state.info !== null;
    show(this.infoPanel, informed);
    show(this.console, !informed);
    if (informed) setText(this.infoText, state.info);
    setText(this.consoleText, state.lines.join("\n"));
    state.buttons.forEach((caption, i) => {
      show(this.commands[i], caption !== null);
      if (caption !== null) setText(this.commands[i], caption);
    });
  }

  drawSwords(swords) {
    const scheme = this.schemes[swords.scheme] ?? this.schemes.self;
    setStyle(this.tops.sword, "backgroundColor", rgb(scheme.panel));
    setStyle(this.infoPanel, "backgroundColor", rgb(scheme.infoPanel));
    setStyle(this.infoText, "backgroundColor", rgb(scheme.infoLabel));
    setStyle(this.infoText, "color", rgb(scheme.infoText));
    swords.labels.forEach((text, i) => {
      const label = this.swords[i];
      setText(label, text);
      setStyle(label, "backgroundColor", rgb(swords.highlight.includes(i) ? scheme.highlight : scheme.label));
      setStyle(label, "color", rgb(scheme.labelText));
      label.tabIndex = text === "" ? -1 : 0;
      if (text === "") setAttribute(label, "aria-label", tr("（空き）"));
      else if (label.hasAttribute("aria-label")) label.removeAttribute("aria-label");
    });
  }

  // Each sword's information as its button's description, as the window gives the accessibility bus.
  describeSwords(infos) {
    this.swordDescriptions.forEach((element, i) => setText(element, (infos[i] ?? "").replaceAll("\r\n", "\n")));
  }

  // The page's own words again, after the player switched its language.
  relabel(state, spoken) {
    labelFighter(this.self);
    labelFighter(this.enemy);
    if (state !== null) this.render(state, spoken);
  }

  setNameLead(text) {
    setText(this.nameLead, text.replaceAll("\r\n", "\n"));
  }

  // Which visible command buttons stand where, right to left, as the digit keys count them.
  commandsRightToLeft() {
    return this.commands.filter((button) => !button.hidden && !this.console.hidden).reverse();
  }
}
