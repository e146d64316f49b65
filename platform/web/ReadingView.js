// The reading view: what the screen says (StellarionAccessible.reading():
// the page's heading, result line, ratings in words and the whole reading)
// as real, reflowing text in a legible face, on the theme's colours, over
// the whole page. The canvas keeps its size whatever the zoom; this text
// grows with the browser's zoom and with a pinch, reflows to any width, and
// can be selected and shared. A button opens it (Alt+R too), in the margin
// beside the screen where there is room, else floating over a corner of the
// screen where no control lies; Escape or its own button closes it, and the
// focus goes back where it was.
"use strict";

const StellarionReading = (() => {
  const Shortcut = "r";
  // The room the opener takes in a margin, in CSS pixels.
  const MarginRoom = 48;
  const Gap = 4;

  let opener = null, dialog = null, article = null, returnTo = null;

  const open = () => dialog?.open === true;

  function fill() {
    const lines = StellarionAccessible.reading();
    // A panel's message has no heading of its own: the page's title is one.
    if (!lines.some((line) => line.heading)) lines.unshift({ heading: true, text: document.title });
    const title = lines.find((line) => line.heading);
    article.replaceChildren(...lines.map((line) => {
      const element = document.createElement(line === title ? "h1" : line.heading ? "h2" : "p");
      element.textContent = line.text;
      if (line === title) element.id = "reading-heading";
      return element;
    }));
  }

  function show() {
    if (open()) return;
    returnTo = document.activeElement;
    fill();
    dialog.showModal();
    dialog.scrollTop = 0;
    document.getElementById("reading-close").focus();
  }

  function hide() {
    if (!open()) return;
    dialog.close();
  }

  const toggle = () => (open() ? hide() : show());

  // The screen's box in CSS pixels, as Page.js placed it.
  function screenBox() {
    const style = document.getElementById("screen").style;
    const [left, top, width, height] = [style.left, style.top, style.width, style.height].map(parseFloat);
    return { left, top, width, height };
  }

  const overlaps = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;

  // In the widest margin that has room; else over the first corner of the
  // screen that covers no control.
  function placeOpener() {
    if (!opener || opener.hidden) return;
    const box = screenBox();
    if (![box.left, box.top, box.width, box.height].every(Number.isFinite)) return;
    const own = opener.getBoundingClientRect();
    const [w, h] = [own.width, own.height];
    const margins = {
      right: innerWidth - box.left - box.width, bottom: innerHeight - box.top - box.height,
      left: box.left, top: box.top,
    };
    const wide = Object.entries(margins).filter(([side, room]) =>
      room >= Math.max(MarginRoom, (side === "left" || side === "right" ? w : h) + 2 * Gap));
    let at;
    if (wide.length) {
      const [side] = wide.reduce((best, next) => (next[1] > best[1] ? next : best));
      at = {
        right: [box.left + box.width + Gap, box.top + Gap], left: [box.left - w - Gap, box.top + Gap],
        bottom: [box.left + box.width - w - Gap, box.top + box.height + Gap], top: [box.left + box.width - w - Gap, box.top - h - Gap],
      }[side];
      opener.classList.remove("floating");
    } else {
      const [deviceWidth] = StellarionPage.chosenScreen();
      const scale = box.width / deviceWidth;
      const controls = StellarionAccessible.targetBoxes().map(([l, t, r, b]) => ({
        left: box.left + l * scale, top: box.top + t * scale, right: box.left + r * scale, bottom: box.top + b * scale,
      }));
      const corners = [
        [box.left + Gap, box.top + box.height - h - Gap], [box.left + box.width - w - Gap, box.top + box.height - h - Gap],
        [box.left + Gap, box.top + Gap], [box.left + box.width - w - Gap, box.top + Gap],
      ];
      at = corners.find(([x, y]) => !controls.some((c) => overlaps(c, { left: x, top: y, right: x + w, bottom: y + h }))) ||
        corners[0];
      opener.classList.add("floating");
    }
    // Moved, not laid out again: a move by a transform shifts no layout,
    // and it is shown only once it has its place.
    opener.style.transform = `translate(${at[0]}px, ${at[1]}px)`;
    opener.style.visibility = "visible";
  }

  function onKey(event) {
    if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.toLowerCase() === Shortcut) {
      toggle();
      event.preventDefault();
      event.stopImmediatePropagation();
    } else if (event.target === opener && (event.key === "Enter" || event.key === " ")) {
      // The button's own activation: not a key typed for the program.
      event.stopImmediatePropagation();
    } else if (open()) {
      if (event.key === "Escape") {
        hide();
        event.preventDefault();
      }
      // The keys are the view's (scrolling, selecting, copying): none
      // reaches the program beneath.
      event.stopImmediatePropagation();
    }
  }

  function start() {
    const region = document.createElement("nav");
    region.setAttribute("aria-label", "Views");
    opener = document.createElement("button");
    opener.id = "reading-open";
    opener.type = "button";
    opener.textContent = "Reading view";
    opener.setAttribute("aria-keyshortcuts", "Alt+R");
    opener.addEventListener("click", toggle);
    region.append(opener);
    dialog = document.createElement("dialog");
    dialog.id = "reading";
    dialog.setAttribute("aria-labelledby", "reading-heading");
    const close = document.createElement("button");
    close.id = "reading-close";
    close.type = "button";
    close.textContent = "Back to the screen";
    close.addEventListener("click", hide);
    article = document.createElement("article");
    dialog.append(close, article);
    dialog.addEventListener("close", () => {
      (returnTo && document.contains(returnTo) ? returnTo : opener).focus();
      returnTo = null;
    });
    document.body.append(region, dialog);
    // In a task after the described document's building: placing the
    // opener waits for the page's layout, which would lengthen that task.
    const described = document.getElementById("described");
    if (described) new MutationObserver(() => setTimeout(placeOpener)).observe(described, { childList: true });
    // Placed once the program has described its first screen: the screen
    // has its place by then.
    window.addEventListener("resize", placeOpener);
  }

  // Before the page's and the described document's own keys.
  window.addEventListener("keydown", onKey, true);

  return {
    start,
    // The program ended: nothing is left to read.
    end() {
      hide();
      opener?.parentElement?.remove();
      opener = null;
    },
    isOpen: open,
    place: placeOpener,
  };
})();

// Loaded by the page after the described document (Accessible.js), which
// has made its region.
StellarionReading.start();
