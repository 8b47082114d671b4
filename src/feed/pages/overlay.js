(function () {
    var stage = document.getElementById("stage");
    var position = Feed.params.get("position") === "top" ? "top" : "bottom";
    stage.className = "stage " + position;
    var scale = parseFloat(Feed.params.get("scale"));
    if (!(scale > 0.1 && scale <= 4))
        scale = 1;
    stage.style.transform = "scale(" + scale + ")";
    Feed.follow(function (state) {
        Feed.setText("lot", String(state.lot));
        Feed.setText("amount", Feed.money(state.amount, state.currency, state.grouping));
        Feed.setText("note", state.note);
        // The bid in other currencies, only while the house shows its currency board.
        var conversions = state.conversions || [];
        Feed.setText("conversions", conversions.length ? conversions.join("   ") + "   (" + state.guidance + ")" : "");
        var stamp = document.getElementById("stamp");
        Feed.setText("stamp", Feed.stampText(state.stamp));
        stamp.className = "stamp " + state.stamp.toLowerCase();
    });
})();
