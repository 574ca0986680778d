// Where the stage goes on the screen. A wide screen with a mouse gets the
// 500 x 400 window scaled as a whole; a narrow or touch screen gets the same
// elements arranged for the hand (phone.css, under html.phone), at sizes a
// finger and an eye can use, with the toolbar folded into its menu.

// A window smaller than the 500 x 400 window at its own size, or a finger for a pointer.
const PHONE = "(max-width: 499px), (max-height: 439px), (pointer: coarse)";

export function phoneLayout() {
  return window.matchMedia(PHONE).matches;
}

// The window scaled to the largest size that fits, or the phone's arrangement filling the screen.
export function fitStage() {
  const phone = phoneLayout();
  document.documentElement.classList.toggle("phone", phone);
  const holder = document.getElementById("holder");
  const stage = document.getElementById("stage");
  if (phone) {
    holder.style.width = "";
    holder.style.height = "";
    stage.style.transform = "";
    stage.style.willChange = "auto";
    return;
  }
  const tools = document.getElementById("tools");
  const bar = document.getElementById("watch-bar");
  const room = window.innerHeight - (tools.hidden ? 0 : tools.offsetHeight) - (bar.hidden ? 0 : bar.offsetHeight);
  const scale = Math.max(0.1, Math.min(window.innerWidth / 500, room / 400));
  holder.style.width = `${500 * scale}px`;
  holder.style.height = `${400 * scale}px`;
  stage.style.transform = `scale(${scale})`;
  // Its own layer, so a title frame is scaled once by the compositor and not
  // repainted with the page; made again at each new scale, so text stays sharp.
  stage.style.willChange = "auto";
  requestAnimationFrame(() => {
    stage.style.willChange = "transform";
  });
}

// The phone's toolbar is one menu button; the tools open under it and close
// once one is used, or at a tap outside.
export function wireToolsMenu(doc) {
  const tools = doc.getElementById("tools");
  const button = doc.getElementById("tools-menu");
  const setOpen = (open) => {
    tools.classList.toggle("open", open);
    button.setAttribute("aria-expanded", String(open));
  };
  button.addEventListener("click", () => setOpen(!tools.classList.contains("open")));
  tools.addEventListener("click", (event) => {
    if (event.target.closest("button[data-tool], a") !== null) setOpen(false);
  });
  doc.addEventListener("pointerdown", (event) => {
    if (!tools.contains(event.target)) setOpen(false);
  });
  doc.addEventListener("keydown", (event) => {
    if (event.key === "Escape" && tools.classList.contains("open")) {
      setOpen(false);
      button.focus();
    }
  });
}
