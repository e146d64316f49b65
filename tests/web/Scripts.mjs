// The tap scripts that both the simulator and the browser play, written in
// layout units for the portrait (240 x 320) and landscape (320 x 240)
// layouts and turned into device pixels for each screen.

// Places the scripts tap, by layout.
const Places = {
  portrait: {
    compatibility: [40, 233], forecast: [40, 250], numerology: [40, 281], extras: [40, 297],
    exit: [229, 10], help: [210, 10], about: [191, 10],
    myLeo: [60, 110], loverScorpio: [180, 260], match: [120, 303], nextPage: [212, 298],
    dayBox: [58, 195], backspace: [222, 263], enter: [210, 302], chineseSign: [185, 225],
  },
  landscape: {
    compatibility: [80, 166], forecast: [80, 183], numerology: [80, 214], extras: [80, 230],
    exit: [310, 10], help: [310, 29], about: [310, 48],
    myLeo: [100, 64], loverScorpio: [220, 200], match: [169, 232], nextPage: [300, 15],
    dayBox: [98, 165], backspace: [302, 182], enter: [290, 222], chineseSign: [228, 190],
  },
};
// Popups ignore the layout shift of wider screens.
const PopupClose = [230, 5];

// Each script: steps of [place] (a page tap), ["popup", x, y], ["shot", name],
// or a simulator command of its own (["key", "down"], ["deactivate"]).
export const Scripts = {
  "main-menu": [["shot", "menu"]],
  compatibility: [
    ["compatibility"], ["myLeo"], ["loverScorpio"], ["shot", "picker"], ["match"], ["shot", "report"],
    ["nextPage"], ["nextPage"], ["nextPage"], ["shot", "outcome"],
  ],
  keyboard: [
    ["numerology"], ["dayBox"], ["shot", "keyboard"], ["backspace"], ["backspace"], ["enter"],
    ["shot", "rejected"],
  ],
  extras: [["extras"], ["chineseSign"], ["shot", "chinese"]],
  "about-help": [
    ["about"], ["shot", "about"], ["deactivate"], ["activate"], ["shot", "reactivated"],
    ["popup", ...PopupClose], ["help"], ["key", "down"], ["key", "down"], ["shot", "help"],
  ],
};

// The four screens the page is compared on: how layout units become pixels.
export const Screens = {
  "240x320": { layout: "portrait", scale: 1, shift: [0, 0] },
  "480x640": { layout: "portrait", scale: 2, shift: [0, 0] },
  "640x480": { layout: "landscape", scale: 2, shift: [0, 0] },
  "800x480": { layout: "landscape", scale: 2, shift: [40, 0] },
};

export function placeOf(screen, name) {
  const { layout, scale, shift } = Screens[screen];
  const [x, y] = Places[layout][name];
  return [(x + shift[0]) * scale, (y + shift[1]) * scale];
}

// The simulator script for a script on a screen; shots go to folder/NAME.png.
export function simulatorScript(name, screen, folder) {
  const { scale } = Screens[screen];
  return Scripts[name].map(([verb, x, y]) => {
    if (verb === "shot") return `shot ${folder}/${x}.png`;
    if (verb === "popup") return `tap ${x * scale} ${y * scale}`;
    if (!Places.portrait[verb]) return [verb, x].filter(Boolean).join(" ");
    return `tap ${placeOf(screen, verb).join(" ")}`;
  }).join("\n") + "\n";
}

// The saved record in the page's storage: its item, and the record a first
// exit creates.
export const RecordItem = "Software\\Tessaline\\Corvanta\\Stellarion\\GameValues";
export const CreationRecord = "01" + "00".repeat(31) + "07000000" + "00".repeat(4);
