Feed.follow(function (state) {
    Feed.setText("lot", String(state.lot));
    Feed.setText("amount", Feed.money(state.amount, state.currency, state.grouping));
    // The bid in other currencies, only while the house shows its currency board.
    var conversions = state.conversions || [];
    document.getElementById("conversions").hidden = conversions.length === 0;
    var lines = document.getElementById("conversionLines");
    lines.replaceChildren.apply(lines, conversions.map(function (text) {
        var item = document.createElement("li");
        item.textContent = text;
        return item;
    }));
    Feed.setText("guidance", state.guidance || "");
    var stamp = document.getElementById("stamp");
    var said = Feed.stampText(state.stamp);
    if (said && state.stamp === "SOLD")
        said += " " + Feed.money(state.price, state.currency, state.grouping);
    Feed.setText("stamp", said);
    stamp.className = "stamp " + state.stamp.toLowerCase();
    Feed.setText("note", state.note);
    var list = document.getElementById("results");
    var items = [];
    state.results.forEach(function (result) {
        var item = document.createElement("li");
        var lot = document.createElement("span");
        lot.textContent = Feed.texts.lot + " " + result.lot;
        var outcome = document.createElement("span");
        outcome.textContent = result.stamp === "SOLD"
            ? Feed.money(result.price, state.currency, state.grouping)
            : Feed.stampText(result.stamp);
        item.appendChild(lot);
        item.appendChild(outcome);
        items.push(item);
    });
    list.replaceChildren.apply(list, items);
});
