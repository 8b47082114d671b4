// The audience screen's composition in twips (its design table), drawn as SVG and stretched to
// the window as the audience screen stretches.
(function () {
    var NS = "http://www.w3.org/2000/svg";
    var svg = document.getElementById("board");
    var DigitWidthPerSize = 8.28, DigitHeightPerSize = 14.83;
    // Rows of the 5 x 7 dot font, top to bottom; the leftmost column is the highest of five bits.
    var DOTS = [
        [14, 17, 19, 21, 25, 17, 14], [4, 12, 4, 4, 4, 4, 14], [14, 17, 1, 2, 4, 8, 31], [31, 2, 4, 2, 1, 17, 14],
        [2, 6, 10, 18, 31, 2, 2], [31, 16, 30, 1, 1, 17, 14], [6, 8, 16, 30, 17, 17, 14], [31, 1, 2, 4, 8, 8, 8],
        [14, 17, 17, 14, 17, 17, 14], [14, 17, 17, 15, 1, 2, 12]];
    // Segments a to g lit per digit.
    var SEGMENTS = [0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F];

    function element(name, attributes, parent) {
        var node = document.createElementNS(NS, name);
        for (var key in attributes)
            node.setAttribute(key, attributes[key]);
        (parent || svg).appendChild(node);
        return node;
    }
    function label(x, y, w, h, points, anchor) {
        var size = points * 20;
        return element("text", {
            x: anchor === "middle" ? x + w / 2 : x, y: y + size * 0.92, "font-size": size,
            "text-anchor": anchor || "start"
        });
    }

    var back = element("rect", { x: 0, y: 0, width: 9480, height: 6795 });
    var lotLabel = label(90, 180, 2985, 1290, 54.75);
    lotLabel.textContent = Feed.texts.lotCaption;
    var maker = label(3420, 1740, 2655, 270, 11.25, "middle");
    maker.textContent = Feed.texts.maker;
    var sign = label(120, 2280, 900, 1860, 80.25, "middle");
    var amountBack = element("rect", { x: 1080, y: 2100, width: 8235, height: 2295 });
    var comma = label(1080 + 3780, 2100 + 840, 510, 1455, 60, "middle");
    var noteBox = element("foreignObject", { x: 60, y: 4680, width: 9375, height: 2055 });
    var note = document.createElement("div");
    note.className = "note";
    noteBox.appendChild(note);
    note.style.fontFamily = "'Liberation Sans', Arial, sans-serif";
    note.style.fontWeight = "bold";
    note.style.fontSize = (39.75 * 20) + "px";
    note.style.lineHeight = "1.15";
    note.style.whiteSpace = "pre-wrap";
    note.style.overflowWrap = "anywhere";
    note.style.height = "100%";
    note.style.overflow = "hidden";
    // The bid in the house's other currencies, under the amount while the currency board is on; the
    // note then makes room for it, and its type shrinks, to half at most, until the note fits.
    var NOTE_TOP = 4680, NOTE_BOTTOM = 6735, NOTE_POINTS = 39.75;
    var STRIP_TOP = 4440, STRIP_WIDTH = 9360, ROW = 330, LARGEST = 260, GUIDANCE = 150;
    var strip = element("g", { id: "conversions", visibility: "hidden" });
    var shownConversions = "", stripBottom = NOTE_TOP;
    function layOutStrip(conversions, guidance) {
        var key = JSON.stringify([conversions, guidance]);
        if (key === shownConversions)
            return conversions.length ? stripBottom : NOTE_TOP;
        shownConversions = key;
        while (strip.firstChild)
            strip.removeChild(strip.firstChild);
        strip.setAttribute("visibility", conversions.length ? "visible" : "hidden");
        if (!conversions.length)
            return NOTE_TOP;
        // Measured at 100 twips, then set in the largest type that fits one or two rows.
        var texts = conversions.map(function (line) {
            var text = element("text", { "font-size": 100 }, strip);
            text.textContent = line;
            return text;
        });
        var widest = Math.max.apply(null, texts.map(function (text) { return text.getComputedTextLength(); }));
        var best = { rows: 1, size: 0 };
        for (var rows = 1; rows <= 2; ++rows) {
            var columns = Math.ceil(texts.length / rows);
            var size = Math.min(LARGEST, 100 * 0.92 * STRIP_WIDTH / columns / Math.max(widest, 1));
            if (size > best.size + 1)
                best = { rows: rows, size: size };
        }
        var columns = Math.ceil(texts.length / best.rows);
        texts.forEach(function (text, i) {
            text.setAttribute("font-size", best.size);
            text.setAttribute("x", 60 + (i % columns) * STRIP_WIDTH / columns);
            text.setAttribute("y", STRIP_TOP + Math.floor(i / columns) * ROW + best.size * 0.92);
        });
        var bottom = STRIP_TOP + best.rows * ROW;
        var said = element("text", { x: 60 + STRIP_WIDTH, y: bottom + GUIDANCE * 0.92, "font-size": GUIDANCE,
                                     "text-anchor": "end", "font-weight": "normal" }, strip);
        said.textContent = guidance;
        stripBottom = bottom + GUIDANCE + 45;
        return stripBottom;
    }
    // The note's box from `top` down, and the stamp over it.
    function fitNote(top) {
        noteBox.setAttribute("y", top);
        noteBox.setAttribute("height", NOTE_BOTTOM - top);
        stampBack.setAttribute("y", top);
        stampBack.setAttribute("height", NOTE_BOTTOM - top);
        stampFrame.setAttribute("y", top + 120);
        stampFrame.setAttribute("height", NOTE_BOTTOM - top - 240);
        stampWord.setAttribute("y", (top + NOTE_BOTTOM) / 2);
        var points = NOTE_POINTS;
        note.style.fontSize = (points * 20) + "px";
        // Only with the strip: the note alone keeps its one size, as on the audience screen's design.
        while (top > NOTE_TOP && note.scrollHeight > note.clientHeight && points > NOTE_POINTS / 2) {
            points = Math.max(NOTE_POINTS / 2, points * 0.92);
            note.style.fontSize = (points * 20) + "px";
        }
    }

    var stamp = element("g", { visibility: "hidden" });
    var stampBack = element("rect", { x: 60, y: 4680, width: 9375, height: 2055, "fill-opacity": 0.88 }, stamp);
    var stampFrame = element("rect", { x: 180, y: 4800, width: 9135, height: 1815, rx: 240, fill: "none", "stroke-width": 120 }, stamp);
    var stampWord = element("text", { x: 4747, y: 5708, "text-anchor": "middle", "dominant-baseline": "central", "font-size": 1300, textLength: 7000, lengthAdjust: "spacingAndGlyphs" }, stamp);

    // A digit display: the group of cells laid out as the display lays them out.
    function display(x, y, w, h, digits, size, padH, padV, padI) {
        var extentW = 2 * padH + digits * DigitWidthPerSize * size + (digits - 1) * padI;
        var extentH = 2 * padV + DigitHeightPerSize * size;
        var sx = w / extentW, sy = h / extentH;
        var group = element("g", {});
        var box = element("rect", { x: x, y: y, width: w, height: h }, group);
        var cells = [];
        for (var i = 0; i < digits; ++i) {
            var cw = DigitWidthPerSize * size * sx, ch = DigitHeightPerSize * size * sy;
            cells.push({ x: x + (padH + i * (DigitWidthPerSize * size + padI)) * sx, y: y + padV * sy, w: cw, h: ch,
                         group: element("g", {}, group), shown: null });
        }
        return { box: box, cells: cells, digits: digits };
    }
    var lot = display(3240, 120, 3795, 1530, 4, 90, 100, 100, 200);
    var thousands = display(1080, 2160, 3765, 2085, 3, 120, 100, 150, 300);
    var ones = display(1080 + 4320, 2160, 3765, 2085, 3, 120, 100, 150, 300);

    function bar(x1, y1, x2, y2, t) {
        var horizontal = y1 === y2, half = t / 2;
        var length = horizontal ? x2 - x1 : y2 - y1;
        var tip = Math.min(half, Math.max(0, length / 2));
        var p = horizontal
            ? [[x1, y1], [x1 + tip, y1 - half], [x2 - tip, y2 - half], [x2, y2], [x2 - tip, y2 + half], [x1 + tip, y1 + half]]
            : [[x1, y1], [x1 + half, y1 + tip], [x2 + half, y2 - tip], [x2, y2], [x2 - half, y2 - tip], [x1 - half, y1 + tip]];
        return p.map(function (q) { return q[0].toFixed(1) + "," + q[1].toFixed(1); }).join(" ");
    }
    function segments(w, h) {
        var t = Math.max(0, Math.min(w * 0.18, h * 0.10)), gap = t * 0.12;
        var l = t / 2, r = w - t / 2, top = t / 2, m = h / 2, b = h - t / 2;
        return [bar(l + gap, top, r - gap, top, t), bar(r, top + gap, r, m - gap, t), bar(r, m + gap, r, b - gap, t),
                bar(l + gap, b, r - gap, b, t), bar(l, m + gap, l, b - gap, t), bar(l, top + gap, l, m - gap, t),
                bar(l + gap, m, r - gap, m, t)];
    }
    function mix(lit, back) {
        var a = parseInt(lit.slice(1), 16), c = parseInt(back.slice(1), 16), out = "#";
        for (var shift = 16; shift >= 0; shift -= 8) {
            var x = (a >> shift) & 255, y = (c >> shift) & 255;
            out += ("0" + Math.round(y + (x - y) * 0.12).toString(16)).slice(-2);
        }
        return out;
    }
    function drawCell(cell, digit, style, lit, unlit) {
        var key = digit + style + lit + unlit;
        if (cell.shown === key)
            return;
        cell.shown = key;
        while (cell.group.firstChild)
            cell.group.removeChild(cell.group.firstChild);
        if (style === "dots") {
            var pitch = Math.min(cell.w / 5, cell.h / 7), radius = pitch * 0.40;
            for (var row = 0; row < 7; ++row)
                for (var column = 0; column < 5; ++column) {
                    var on = digit >= 0 && (DOTS[digit][row] >> (4 - column)) & 1;
                    element("circle", { cx: cell.x + (column + 0.5) * cell.w / 5, cy: cell.y + (row + 0.5) * cell.h / 7,
                                        r: radius, fill: on ? lit : unlit }, cell.group);
                }
            return;
        }
        var shapes = segments(cell.w, cell.h), mask = digit >= 0 ? SEGMENTS[digit] : 0;
        for (var s = 0; s < 7; ++s)
            element("polygon", { points: shapes[s], transform: "translate(" + cell.x + " " + cell.y + ")",
                                 fill: (mask >> s) & 1 ? lit : unlit }, cell.group);
    }
    // The cells of a caption as a display lights them: the last digits, leading zeros dark
    // unless zero-filled; -1 leaves every cell dark.
    function show(target, caption, zeroFill, style, lit, ledBack) {
        var unlit = mix(lit, ledBack), value = caption;
        target.box.setAttribute("fill", ledBack);
        for (var cell = target.digits - 1; cell >= 0; --cell) {
            var digit = -1;
            if (caption >= 0) {
                var leading = value === 0 && cell < target.digits - 1;
                digit = leading && !zeroFill ? -1 : value % 10;
                value = Math.floor(value / 10);
            }
            drawCell(target.cells[cell], digit, style, lit, unlit);
        }
    }

    Feed.follow(function (state) {
        var look = state.look;
        back.setAttribute("fill", look.formBack);
        [lotLabel, maker, sign].forEach(function (t) { t.setAttribute("fill", look.text); });
        document.body.style.background = look.formBack;
        amountBack.setAttribute("fill", look.ledBack);
        show(lot, state.lot, false, look.digits, look.ledLot, look.ledBack);
        var big = state.amount >= 1000;
        show(thousands, big ? Math.floor(state.amount / 1000) : -1, false, look.digits, look.ledAmount, look.ledBack);
        show(ones, state.amount % 1000, big, look.digits, look.ledAmount, look.ledBack);
        sign.textContent = state.currency;
        comma.textContent = state.grouping;
        comma.setAttribute("fill", look.ledAmount);
        comma.setAttribute("visibility", big && state.grouping ? "visible" : "hidden");
        strip.setAttribute("fill", look.text);
        note.textContent = state.note;
        note.style.color = look.text;
        note.style.background = look.formBack;
        fitNote(layOutStrip(state.conversions || [], state.guidance || ""));
        var word = Feed.stampText(state.stamp);
        stamp.setAttribute("visibility", word ? "visible" : "hidden");
        stampBack.setAttribute("fill", look.formBack);
        stampFrame.setAttribute("stroke", look.ledLot);
        stampWord.setAttribute("fill", look.ledLot);
        stampWord.textContent = word;
        document.getElementById("spoken").textContent = Feed.texts.lotCaption + " " + state.lot + ", " +
            Feed.money(state.amount, state.currency, state.grouping) + (word ? ", " + word : "");
    });
})();
