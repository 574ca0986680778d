// Draws the core's screen description (the text front end's JSON) into the
// page's own elements, placed as the window places its controls. Only what
// changed is touched, so a title frame costs the page almost nothing.

import { tr } from "./i18n.js";

const SCHEMES = {
  self: { panel: "rgb(204,255,204)", label: "rgb(221,255,221)", text: "rgb(34,68,34)", highlight: "rgb(187,187,255)",
          infoPanel: "rgb(204,204,255)", infoLabel: "rgb(221,221,255)", infoText: "rgb(34,34,68)" },
  enemy: { panel: "rgb(255,204,204)", label: "rgb(255,221,221)", text: "rgb(68,34,34)", highlight: "rgb(255,187,187)",
           infoPanel: "rgb(255,204,204)", infoLabel: "rgb(255,221,221)", infoText: "rgb(68,34,34)" },
};

// One fighter panel's labels: [key, left, top, width, height, class].
const FIGHTER_LABELS = [
  ["name", 8, 8, 345, 25, ""],
  ["life", 8, 32, 113, 25, ""],
  ["hit", 8, 80, 73, 41, "big"],
  ["max", 82, 96, 49, 25, "max"],
  ["card", 136, 55, 57, 39, "big current"],
];
const HAND_SIZE = 5;
const SWORD_COUNT = 8;
const COMMAND_COUNT = 5;

function place(element, left, top, width, height) {
  Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
  return element;
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

// Each part named (and a hand's cards numbered) for the phone's arrangement of the panel.
function part(element, name, k = null) {
  element.dataset.part = name;
  if (k !== null) element.style.setProperty("--k", String(k));
  return element;
}

function buildFighter(panel) {
  const parts = { panel };
  parts.currentFrame = part(place(make("div", "frame", panel), 136, 35, 65, 80), "current-frame");
  for (let k = 0; k < HAND_SIZE; k++) part(place(make("div", "frame", panel), 208 + 56 * k, 40, 55, 70), "hand-frame", k);
  parts.caption = part(place(make("span", "caption", panel), 8, 70, 73, 15), "caption");
  for (const [key, left, top, width, height, className] of FIGHTER_LABELS) {
    parts[key] = part(place(make("span", className, panel), left, top, width, height), key);
  }
  labelFighter(parts);
  parts.cards = [];
  for (let k = 0; k < HAND_SIZE; k++) {
    parts.cards.push(part(place(make("span", "card", panel), 208 + 56 * k, 58, 48, 33), "hand-card", k));
  }
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
  constructor(doc) {
    const $ = (id) => doc.getElementById(id);
    this.pages = { title: $("page-title"), name: $("page-name"), main: $("page-main") };
    this.tops = { sword: $("panel-sword"), image: $("panel-image"), enemy: $("panel-enemy") };
    this.image = $("main-image");
    this.console = $("panel-console");
    this.consoleText = $("console-text");
    this.infoPanel = $("panel-info");
    this.infoText = $("info-text");
    this.nameLead = $("name-lead");
    this.self = buildFighter($("panel-self"));
    this.enemy = buildFighter($("panel-enemy"));
    this.swords = [];
    this.swordDescriptions = [];
    for (let i = 0; i < SWORD_COUNT; i++) {
      const label = place(make("button", "sword", this.tops.sword), i < 4 ? 10 : 255, 5 + 30 * (i % 4), 235, 25);
      label.type = "button";
      label.dataset.sword = String(i);
      const description = make("span", "hidden-text", this.tops.sword);
      description.id = `sword-info-${i}`;
      label.setAttribute("aria-describedby", description.id);
      this.swords.push(label);
      this.swordDescriptions.push(description);
    }
    this.commands = [];
    for (let i = 0; i < COMMAND_COUNT; i++) {
      const button = place(make("button", "command", this.console), 10 + 98 * i, 110, 88, 30);
      button.type = "button";
      button.dataset.command = String(i);
      button.hidden = true;
      this.commands.push(button);
    }
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
    const scheme = SCHEMES[swords.scheme] ?? SCHEMES.self;
    setStyle(this.tops.sword, "backgroundColor", scheme.panel);
    setStyle(this.infoPanel, "backgroundColor", scheme.infoPanel);
    setStyle(this.infoText, "backgroundColor", scheme.infoLabel);
    setStyle(this.infoText, "color", scheme.infoText);
    swords.labels.forEach((text, i) => {
      const label = this.swords[i];
      setText(label, text);
      setStyle(label, "backgroundColor", swords.highlight.includes(i) ? scheme.highlight : scheme.label);
      setStyle(label, "color", scheme.text);
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
