// The screen described beside its pixels (WebBackend.cpp hands over the
// description each paint publishes): a live accessible document over the
// canvas. The page's title is a level-one heading in a main region, each tap
// target a real button placed exactly over what the canvas draws for it,
// the reading paragraphs of real text, a popup or entry panel a dialog and
// a panel's message an alert. A button taps the centre of its rectangle.
// The keyboard moves among the buttons (Tab, and the arrows within a grid),
// Escape taps the screen's Back or close target, the page keys scroll a
// text, and the browser's Back leaves a report or popup as its Back does.
"use strict";

const StellarionAccessible = (() => {
  // The description's numbering (platform/Platform.h, canvas/Description.h).
  const Kind = Object.freeze({ Heading: 1, Text: 2, Alert: 3, Target: 4 });
  const Layer = Object.freeze({ Page: 0, Popup: 1, Panel: 2 });
  const Role = Object.freeze({
    Button: 1, Back: 2, Close: 3, Previous: 4, Next: 5, ScrollUp: 6, ScrollDown: 7, Key: 8, Choice: 9,
  });
  const State = Object.freeze({ None: 0, Off: 1, On: 2 });
  const PageKeys = Object.freeze({ PageUp: 33, PageDown: 34, End: 35, Home: 36 });
  const Arrows = Object.freeze({ ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] });

  let root = null;          // the main region over the canvas
  let canvas = null;
  let screen = [1, 1];      // the device screen in pixels
  let targets = [];         // the active layer's targets: { item, button }
  let historyEntry = false; // an entry of ours stands for the screen's Back
  let leavingEntry = false; // our own history.back(), not the user's
  let pending = null;       // the newest description not yet built: [items, width, height]

  const boxKey = (item) => item.box.join(",");

  // Over the canvas: Page.js places it by its style, in CSS pixels, which
  // are read here as they are; asking the canvas for its box would make the
  // browser lay out the page there and then, within the task.
  function place() {
    if (!root || !canvas) return;
    const { left, top, width, height } = canvas.style;
    Object.assign(root.style, { left, top, width, height });
  }

  function tapCentre(item) {
    const [left, top, right, bottom] = item.box;
    StellarionPage.tap(Math.floor((left + right) / 2), Math.floor((top + bottom) / 2));
  }

  function makeButton(item) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "target";
    button.setAttribute("aria-label", item.text);
    if (item.state !== State.None) button.setAttribute("aria-pressed", String(item.state === State.On));
    const [left, top, right, bottom] = item.box;
    const [width, height] = screen;
    Object.assign(button.style, {
      left: `${(100 * left) / width}%`, top: `${(100 * top) / height}%`,
      width: `${(100 * (right - left)) / width}%`, height: `${(100 * (bottom - top)) / height}%`,
    });
    button.addEventListener("click", () => tapCentre(item));
    return button;
  }

  function makeText(tag, text) {
    const element = document.createElement(tag);
    element.className = "described";
    element.textContent = text;
    return element;
  }

  // One container per layer: the page in the main region, a popup and an
  // entry panel each a dialog over it, named by its heading or its message.
  function makeLayer(layer, items, active) {
    const container = document.createElement(layer === Layer.Page ? "div" : "dialog");
    if (layer !== Layer.Page) {
      container.setAttribute("open", "");
      container.setAttribute("aria-modal", "true");
      const title = items.find((item) => item.kind === Kind.Heading || item.kind === Kind.Alert);
      if (title) container.setAttribute("aria-label", title.text);
    }
    if (!active) container.inert = true;
    // Headings first; then the targets in reading order (top to bottom,
    // left to right), as Tab meets them, each text just before the target
    // it was published before.
    const ordered = items.filter((item) => item.kind === Kind.Heading);
    const targetsInOrder = items.filter((item) => item.kind === Kind.Target)
      .sort((a, b) => a.box[1] - b.box[1] || a.box[0] - b.box[0]);
    const before = new Map(targetsInOrder.map((target) => [target, []]));
    const after = [];
    items.forEach((item, index) => {
      if (item.kind !== Kind.Text && item.kind !== Kind.Alert) return;
      const next = items.slice(index + 1).find((later) => later.kind === Kind.Target);
      (next ? before.get(next) : after).push(item);
    });
    for (const target of targetsInOrder) ordered.push(...before.get(target), target);
    ordered.push(...after);
    let headings = 0;
    for (const item of ordered) {
      if (item.kind === Kind.Heading) {
        const level = layer === Layer.Page && headings === 0 ? "h1" : "h2";
        const heading = makeText(level, item.text);
        heading.tabIndex = -1;
        container.append(heading);
        ++headings;
      } else if (item.kind === Kind.Text) {
        container.append(makeText("p", item.text));
      } else if (item.kind === Kind.Alert) {
        const alert = makeText("p", item.text);
        alert.setAttribute("role", "alert");
        container.append(alert);
      } else if (item.kind === Kind.Target) {
        const button = makeButton(item);
        container.append(button);
        if (active) targets.push({ item, button });
      }
    }
    return container;
  }

  // Keeps one history entry while the screen has a Back or close target, so
  // that the browser's (or the phone's) Back taps it; none on the main menu,
  // so that Back leaves the app from there.
  function keepHistory() {
    const wanted = targets.some(({ item }) => item.role === Role.Back || item.role === Role.Close);
    if (wanted && !historyEntry) {
      history.pushState({ stellarion: true }, "");
      historyEntry = true;
    } else if (!wanted && historyEntry) {
      historyEntry = false;
      leavingEntry = true;
      history.back();
    }
  }

  function escapeTarget() {
    return targets.find(({ item }) => item.role === Role.Back) ||
           targets.find(({ item }) => item.role === Role.Close);
  }

  // The nearest target of the same role in the arrow's direction, keeping
  // to the row or column where one lies there.
  function toward(from, [dx, dy]) {
    const centre = ({ box }) => [(box[0] + box[2]) / 2, (box[1] + box[3]) / 2];
    const [x, y] = centre(from.item);
    let best = null, bestCost = Infinity;
    for (const candidate of targets) {
      if (candidate === from || candidate.item.role !== from.item.role) continue;
      const [cx, cy] = centre(candidate.item);
      const along = dx !== 0 ? dx * (cx - x) : dy * (cy - y);
      const across = dx !== 0 ? Math.abs(cy - y) : Math.abs(cx - x);
      const cost = along + 4 * across;
      if (along > 0 && cost < bestCost) {
        best = candidate;
        bestCost = cost;
      }
    }
    return best;
  }

  // Rebuilds the described document from the newest description.
  function build() {
    if (!root || !pending) return;
    const [items, width, height] = pending;
    pending = null;
    screen = [width, height];
    const focusedBox = targets.find(({ button }) => button === document.activeElement);
    const hadFocus = root.contains(document.activeElement);
    const layers = [[], [], []];
    for (const [kind, layer, role, state, left, top, right, bottom, text] of items)
      layers[layer].push({ kind, layer, role, state, box: [left, top, right, bottom], text });
    const active = layers.reduce((top, list, layer) => (list.length ? layer : top), Layer.Page);
    targets = [];
    root.replaceChildren(...layers.map((list, layer) => makeLayer(layer, list, layer === active))
      .filter((container, layer) => layer === Layer.Page || layers[layer].length));
    place();
    keepHistory();
    // The same control keeps the focus across a repaint; on a new screen
    // the focus goes to its heading, which a screen reader then reads.
    if (!hadFocus) return;
    const same = focusedBox && targets.find(({ item }) => boxKey(item) === boxKey(focusedBox.item));
    if (same) same.button.focus();
    else (root.lastElementChild.querySelector("h1, h2") || targets[0]?.button)?.focus();
  }

  function onKey(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const focused = targets.find(({ button }) => button === document.activeElement);
    if (event.key === "Escape") {
      const back = escapeTarget();
      if (back) back.button.click();
      event.preventDefault();
      event.stopPropagation();
    } else if (event.key in PageKeys) {
      StellarionPage.key(PageKeys[event.key]);
      event.preventDefault();
      event.stopPropagation();
    } else if (focused && event.key in Arrows &&
               (focused.item.role === Role.Choice || focused.item.role === Role.Key)) {
      const next = toward(focused, Arrows[event.key]);
      if (next) next.button.focus();
      event.preventDefault();
      event.stopPropagation();
    } else if (focused && (event.key === "Enter" || event.key === " ")) {
      // The button's own activation taps it; the key is not also typed.
      event.stopPropagation();
    }
  }

  return {
    start() {
      canvas = document.getElementById("screen");
      // The canvas is the picture the described document stands for.
      canvas.setAttribute("aria-hidden", "true");
      root = document.createElement("main");
      root.id = "described";
      document.body.append(root);
      // Before the page's own keys (Page.js): a key taken here is the
      // focus's, and is not also typed on the on-screen keyboard.
      window.addEventListener("keydown", onKey, true);
      window.addEventListener("resize", place);
      if ("ResizeObserver" in window) new ResizeObserver(place).observe(canvas);
      window.addEventListener("popstate", () => {
        if (leavingEntry) {
          leavingEntry = false;
          return;
        }
        if (!historyEntry) return;
        historyEntry = false;
        const back = escapeTarget();
        if (back) back.button.click();
      });
    },

    // The program ended: nothing is left to describe.
    end() {
      root?.remove();
      root = null;
      targets = [];
      pending = null;
    },

    // items: [kind, layer, role, state, left, top, right, bottom, text] each;
    // width, height: the device screen. The document is built in a task of
    // its own: building it and placing it over the canvas (which waits for
    // the page's layout) would otherwise lengthen the task of the paint that
    // published it, the first one above all, and keep the page from
    // answering meanwhile. Only the newest description is built.
    describe(items, width, height) {
      if (!root) return;
      if (!pending) setTimeout(build);
      pending = [items, width, height];
    },

    // False while a description waits to be built.
    isCurrent: () => pending === null,
  };
})();

document.addEventListener("DOMContentLoaded", () => StellarionAccessible.start());
