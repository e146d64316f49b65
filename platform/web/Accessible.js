// The screen described beside its pixels (WebBackend.cpp hands over the
// description each paint publishes): a live accessible document over the
// canvas. The page's heading is a level-one heading in a main region; each
// heading, text and tap target lies exactly over what the canvas draws for
// it, so that a finger exploring the screen finds the words under it. Tap
// targets are real controls: buttons, a labelled group of radios where one
// of several is chosen, a text field for a value the user enters (typed
// digits drive the on-screen keyboard beneath it). A popup or entry panel
// is a dialog, a panel's message an alert. A control taps the centre of its
// rectangle. The items follow the drawing, top to bottom.
//
// What changes is heard: on another screen the focus goes to its heading,
// or back to the control that opened what just closed; on the same screen
// (a page turned, a value entered) a polite live region says what the
// screen says has changed. The document's title names the place.
//
// The keyboard moves among the controls (Tab, and the arrows within a grid),
// Escape taps the screen's Back or close target, the page keys scroll a
// text, and the browser's Back leaves a report or popup as its Back does.
"use strict";

const StellarionAccessible = (() => {
  // The description's numbering (platform/Platform.h, canvas/Description.h).
  const Kind = Object.freeze({
    Heading: 1, Text: 2, Alert: 3, Target: 4, Title: 5, Status: 6, Screen: 7, Group: 8, Hint: 9,
  });
  const Layer = Object.freeze({ Page: 0, Popup: 1, Panel: 2 });
  const Role = Object.freeze({
    Button: 1, Back: 2, Close: 3, Previous: 4, Next: 5, ScrollUp: 6, ScrollDown: 7, Key: 8, Choice: 9, Field: 10,
  });
  const State = Object.freeze({ None: 0, Off: 1, On: 2 });
  const PageKeys = Object.freeze({ PageUp: 33, PageDown: 34, End: 35, Home: 36 });
  const Arrows = Object.freeze({ ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] });
  const Backspace = 8;
  // The on-screen keyboard's field holds 12 characters: as many Backspaces
  // empty it whatever it holds.
  const FieldCapacity = 12;
  const AppName = "Stellarion";

  let root = null;          // the main region over the canvas
  let announcer = null;     // the polite live region
  let canvas = null;
  let screen = [1, 1];      // the device screen in pixels
  let targets = [];         // the active layer's controls: { item, button }
  let layerItems = [[], [], []];
  let historyEntry = false; // an entry of ours stands for the screen's Back
  let leavingEntry = false; // our own history.back(), not the user's
  let pending = null;       // the newest description not yet built: [items, width, height]
  let screenKey = null;     // the screens the layers show, as last built
  let statuses = [];        // what the active layer said, as last built
  let title = AppName;
  let activated = null;     // the control last activated: { screen, item }
  const openers = new Map(); // screen key -> the control that left it
  let typingInto = null;    // a field whose keyboard our keys are opening

  const boxKey = (item) => item.box.join(",");
  const hasBox = (item) => item.box[0] < item.box[2] && item.box[1] < item.box[3];

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

  // Places an element over the box (device pixels) inside a container
  // standing over `within`.
  function placeAt(element, box, within = [0, 0, ...screen]) {
    const [left, top, right, bottom] = box;
    const width = within[2] - within[0], height = within[3] - within[1];
    Object.assign(element.style, {
      left: `${(100 * (left - within[0])) / width}%`, top: `${(100 * (top - within[1])) / height}%`,
      width: `${(100 * (right - left)) / width}%`, height: `${(100 * (bottom - top)) / height}%`,
    });
  }

  function activate(item) {
    activated = { screen: screenKey, item };
    tapCentre(item);
  }

  function makeControl(item, within, inGroup) {
    let control;
    if (item.role === Role.Field) {
      control = document.createElement("input");
      control.type = "text";
      control.inputMode = "numeric";
      control.autocomplete = "off";
      control.value = item.value;
      control.addEventListener("input", () => enterValue(item, control));
      control.addEventListener("click", () => activate(item));
    } else {
      control = document.createElement("button");
      control.type = "button";
      if (inGroup) {
        control.setAttribute("role", "radio");
        control.setAttribute("aria-checked", String(item.state === State.On));
      } else if (item.state !== State.None) {
        control.setAttribute("aria-pressed", String(item.state === State.On));
      }
      control.addEventListener("click", () => activate(item));
    }
    control.className = "target";
    control.setAttribute("aria-label", item.text);
    placeAt(control, item.box, within);
    return control;
  }

  function makeText(item, within) {
    const tag = item.kind === Kind.Heading ? (item.level === 1 ? "h1" : "h2") : "p";
    const element = document.createElement(tag);
    element.textContent = item.text;
    if (hasBox(item)) {
      element.className = "described";
      placeAt(element, item.box, within);
    } else {
      element.className = "unplaced";
    }
    if (item.kind === Kind.Heading) element.tabIndex = -1;
    if (item.kind === Kind.Alert) element.setAttribute("role", "alert");
    return element;
  }

  // The items a reader meets, in the order of the drawing: headings first,
  // then by where they are drawn, top to bottom and left to right; an item
  // without a place goes just before the next one published with one.
  function readingOrder(items) {
    const places = [];
    let next = [0, Infinity, 0, Infinity];
    for (let i = items.length - 1; i >= 0; --i) {
      if (hasBox(items[i])) next = items[i].box;
      places[i] = next;
    }
    return items.map((item, index) => ({ item, place: places[index], index }))
      .filter(({ item }) => item.kind <= Kind.Target)
      .sort((a, b) => (b.item.kind === Kind.Heading) - (a.item.kind === Kind.Heading) ||
                      a.place[1] - b.place[1] || a.place[0] - b.place[0] || a.index - b.index)
      .map(({ item }) => item);
  }

  const inside = (box, group) => {
    const x = (box[0] + box[2]) / 2, y = (box[1] + box[3]) / 2;
    return x >= group[0] && x < group[2] && y >= group[1] && y < group[3];
  };

  // One container per layer: the page in the main region, a popup and an
  // entry panel each a dialog over it, named by its heading or its message
  // and described by its hint.
  function makeLayer(layer, items, active) {
    const container = document.createElement(layer === Layer.Page ? "div" : "dialog");
    container.className = "layer";
    if (layer !== Layer.Page) {
      container.setAttribute("open", "");
      container.setAttribute("aria-modal", "true");
      const name = items.find((item) => item.kind === Kind.Heading || item.kind === Kind.Alert);
      if (name) container.setAttribute("aria-label", name.text);
    }
    if (!active) container.inert = true;
    const groups = items.filter((item) => item.kind === Kind.Group).map((item) => {
      const element = document.createElement("div");
      element.className = "group";
      element.setAttribute("role", "radiogroup");
      element.setAttribute("aria-label", item.text);
      placeAt(element, item.box);
      return { item, element, radios: [] };
    });
    let headings = 0;
    for (const item of readingOrder(items)) {
      if (item.kind === Kind.Heading) item.level = layer === Layer.Page && headings++ === 0 ? 1 : 2;
      const group = item.kind === Kind.Target && item.role === Role.Choice && item.state !== State.None &&
        groups.find(({ item: g }) => inside(item.box, g.box));
      if (item.kind !== Kind.Target) {
        container.append(makeText(item));
      } else if (group) {
        // A group stands in the reading order where its first choice does.
        const control = makeControl(item, group.item.box, true);
        if (!group.radios.length) container.append(group.element);
        group.element.append(control);
        group.radios.push({ item, control });
        if (active) targets.push({ item, button: control, group });
      } else {
        const control = makeControl(item);
        container.append(control);
        if (active) targets.push({ item, button: control });
      }
    }
    // Tab enters a group once, at its chosen radio; the arrows move within.
    for (const { radios } of groups) {
      const chosen = radios.find(({ item }) => item.state === State.On) || radios[0];
      for (const { control } of radios) control.tabIndex = control === chosen?.control ? 0 : -1;
    }
    const hint = items.find((item) => item.kind === Kind.Hint);
    if (hint) {
      const description = makeText(hint);
      description.id = `hint-${layer}`;
      container.querySelector("h1, h2")?.after(description);
      container.setAttribute("aria-describedby", description.id);
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
  // to the row or column where one lies there (and to its group).
  function toward(from, [dx, dy]) {
    const centre = ({ box }) => [(box[0] + box[2]) / 2, (box[1] + box[3]) / 2];
    const [x, y] = centre(from.item);
    let best = null, bestCost = Infinity;
    for (const candidate of targets) {
      if (candidate === from || candidate.item.role !== from.item.role || candidate.group !== from.group) continue;
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

  // Says the text through the live region; the same words again are said
  // again (a space more or less makes them news to a screen reader).
  function announce(text) {
    if (!text || !announcer) return;
    announcer.textContent = announcer.textContent === text ? `${text}\u00a0` : text;
  }

  const activeLayerOf = (layers) => layers.reduce((top, list, layer) => (list.length ? layer : top), Layer.Page);
  const textsOf = (items, kind) => items.filter((item) => item.kind === kind).map((item) => item.text);

  // Rebuilds the described document from the newest description.
  function build() {
    if (!root || !pending) return;
    const [raw, width, height] = pending;
    pending = null;
    screen = [width, height];
    const focused = targets.find(({ button }) => button === document.activeElement);
    const hadFocus = root.contains(document.activeElement);
    const layers = [[], [], []];
    for (const [kind, layer, role, state, left, top, right, bottom, text, value] of raw)
      layers[layer].push({ kind, layer, role, state, box: [left, top, right, bottom], text, value });
    const active = activeLayerOf(layers);
    const previousKey = screenKey, previousStatuses = statuses, previousActive = activeLayerOf(layerItems);
    screenKey = layers.map((list) => textsOf(list, Kind.Screen).join()).join("|");
    statuses = textsOf(layers[active], Kind.Status);
    layerItems = layers;
    targets = [];
    root.replaceChildren(announcer, ...layers.map((list, layer) => makeLayer(layer, list, layer === active))
      .filter((container, layer) => layer === Layer.Page || layers[layer].length));
    place();
    keepHistory();
    const named = layers.map((list) => textsOf(list, Kind.Title)[0]).filter(Boolean).pop();
    title = named ? `${named} - ${AppName}` : AppName;
    if (!document.title.startsWith("\u2605")) document.title = title;
    if (active === Layer.Page && previousActive === Layer.Panel) typingInto = null;
    if (previousKey === null) return;
    const find = (item) => item && targets.find((target) => boxKey(target.item) === boxKey(item));
    const heading = () => root.lastElementChild.querySelector("h1, h2") || targets[0]?.button;
    if (screenKey !== previousKey) {
      // Another screen, however it came: back to the control that left
      // this one, else to the field the keyboard was opened for, else to
      // the heading.
      announcer.textContent = "";  // what was said was about the screen before
      if (activated?.screen === previousKey) openers.set(previousKey, activated.item);
      const opener = find(openers.get(screenKey));
      openers.delete(screenKey);
      // An entry panel's field is where its keys go.
      const field = (activated?.item.role === Role.Field || active === Layer.Panel) &&
        targets.find(({ item }) => item.role === Role.Field);
      (opener?.button || (field && field.button) || heading())?.focus();
      activated = null;
      return;
    }
    // The same screen: the focus stays on its control, or goes to the
    // heading when that control is gone (the last page has no Next); what
    // changed is said.
    const kept = hadFocus && focused ? find(focused.item) : find(activated?.item);
    if (kept && (hadFocus || document.activeElement === document.body)) kept.button.focus();
    else if (hadFocus || activated) heading()?.focus();
    announce(statuses.filter((status, i) => status !== previousStatuses[i]).join(". "));
  }

  // A value typed into a field: its digits are entered through the
  // on-screen keyboard, which the program opens for the field (a tap
  // selects a box, the next opens its keyboard), emptied first; Return
  // enters it, so that the program's own checks answer as for a tap.
  function enterValue(item, input) {
    const typed = input.value.replace(/\D/g, "").slice(0, 4);
    input.value = item.value;
    if (item.layer === Layer.Page) openKeyboard(item);
    for (let i = 0; i < FieldCapacity; ++i) StellarionPage.type(Backspace);
    for (const character of typed) StellarionPage.type(character.codePointAt(0));
  }

  function openKeyboard(item) {
    activated = { screen: screenKey, item };
    tapCentre(item);
    if (item.state !== State.On) tapCentre(item);
    typingInto = boxKey(item);
  }

  // A digit or Backspace in a date field of the page: its keyboard opens,
  // emptied, and the key is typed there. Keys that follow while it opens
  // are typed there too (Page.js types them).
  function typeIntoField(focused, event) {
    if (typingInto !== null) return false;
    const digit = /^[0-9]$/.test(event.key);
    if (!digit && event.key !== "Backspace") return false;
    openKeyboard(focused.item);
    for (let i = 0; i < focused.item.value.length; ++i) StellarionPage.type(Backspace);
    if (digit) StellarionPage.type(event.key.codePointAt(0));
    return true;
  }

  function onKey(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const focused = targets.find(({ button }) => button === document.activeElement);
    const taken = () => {
      event.preventDefault();
      event.stopPropagation();
    };
    if (event.key === "Escape") {
      const back = escapeTarget();
      if (back) back.button.click();
      taken();
    } else if (event.key in PageKeys) {
      StellarionPage.key(PageKeys[event.key]);
      taken();
    } else if (focused?.item.role === Role.Field) {
      // A field's keys are typed on its keyboard (Page.js posts them).
      if (focused.item.layer === Layer.Page && typeIntoField(focused, event)) taken();
    } else if (focused && event.key in Arrows &&
               (focused.item.role === Role.Choice || focused.item.role === Role.Key)) {
      const next = toward(focused, Arrows[event.key]);
      if (next) {
        next.button.focus();
        // In a group, moving is choosing.
        if (next.group) next.button.click();
      }
      taken();
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
      announcer = document.createElement("div");
      announcer.className = "unplaced";
      announcer.setAttribute("role", "status");
      root.append(announcer);
      document.body.append(root);
      // Before the page's own keys (Page.js): a key taken here is the
      // focus's, and is not also typed on the on-screen keyboard. After the
      // reading view's (on the window), whatever order the two loaded in.
      document.addEventListener("keydown", onKey, true);
      // The focus ring is for the keyboard and screen readers: it stays
      // hidden while the pointer taps the canvas, until a key is pressed.
      window.addEventListener("pointerdown", () => root?.setAttribute("data-pointer", ""), true);
      window.addEventListener("keydown", () => root?.removeAttribute("data-pointer"), true);
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
      title = AppName;
      document.title = AppName;
    },

    // items: [kind, layer, role, state, left, top, right, bottom, text,
    // value] each; width, height: the device screen. The document is built
    // in a task of its own: building it and placing it over the canvas
    // (which waits for the page's layout) would otherwise lengthen the task
    // of the paint that published it, the first one above all, and keep the
    // page from answering meanwhile. Only the newest description is built.
    describe(items, width, height) {
      if (!root) return;
      if (!pending) setTimeout(build);
      pending = [items, width, height];
    },

    // False while a description waits to be built.
    isCurrent: () => pending === null,
    // The document's title for the place on screen.
    title: () => title,
    // What the layer that takes taps says, for the reading view: its
    // headings and texts in reading order.
    reading() {
      const layer = activeLayerOf(layerItems);
      return readingOrder(layerItems[layer])
        .filter((item) => item.kind === Kind.Heading || item.kind === Kind.Text)
        .map((item) => ({ heading: item.kind === Kind.Heading, text: item.text }));
    },
    // The active layer's controls and where they are, in device pixels.
    targetBoxes: () => targets.map(({ item }) => item.box),
  };
})();

// The page (Page.js) loads this script once its first frame is on screen.
StellarionAccessible.start();
