// The live feed's client, shared by every page: follows /events, puts each state on the page and
// shows "reconnecting" while the laptop cannot be reached. No network beyond the laptop.
"use strict";
var Feed = (function () {
    var texts = JSON.parse(document.getElementById("texts").textContent);
    var params = new URLSearchParams(location.search);
    var code = params.get("code");

    function url(path) {
        return code ? path + "?code=" + encodeURIComponent(code) : path;
    }

    // The digits in groups of three with the sale's separator, after its sign: "$12,050".
    function money(amount, currency, grouping) {
        var digits = String(Math.abs(amount));
        var out = "";
        for (var i = 0; i < digits.length; ++i) {
            if (i > 0 && (digits.length - i) % 3 === 0)
                out += grouping;
            out += digits[i];
        }
        return currency + (amount < 0 ? "-" : "") + out;
    }

    function stampText(stamp) {
        if (stamp === "SOLD")
            return texts.sold;
        if (stamp === "PASSED")
            return texts.passed;
        return "";
    }

    function setText(id, text) {
        var element = document.getElementById(id);
        if (element && element.textContent !== text)
            element.textContent = text;
    }

    function follow(render) {
        var source = null;
        var status = document.getElementById("status");
        function reachable(yes) {
            if (status)
                status.hidden = yes;
            document.documentElement.classList.toggle("offline", !yes);
        }
        function handle(event) {
            var state = JSON.parse(event.data);
            window.gavelorState = state;
            render(state);
            reachable(true);
        }
        function connect() {
            source = new EventSource(url("/events"));
            source.addEventListener("state", handle);
            source.addEventListener("change", handle);
            source.onopen = function () { reachable(true); };
            source.onerror = function () {
                reachable(false);
                // The browser retries by itself unless the answer was not a stream at all.
                if (source.readyState === EventSource.CLOSED) {
                    source.close();
                    setTimeout(connect, 2000);
                }
            };
        }
        connect();
    }

    return { texts: texts, params: params, money: money, stampText: stampText, setText: setText, follow: follow };
})();
