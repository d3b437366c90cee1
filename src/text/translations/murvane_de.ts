<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Murvane</name>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>%1$@ moved to column %2$lld.</source>
        <translation>%1$@ auf Reihe %2$lld gelegt.</translation>
    </message>
    <message>
        <source>%1$@ of %2$@</source>
        <translation>%2$@-%1$@</translation>
    </message>
    <message>
        <source>%@ moved to foundation.</source>
        <translation>%@ auf einen Zielstapel gelegt.</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%lld cards|one</source>
        <translation>%lld Karte</translation>
    </message>
    <message>
        <source>%lld cards|other</source>
        <translation>%lld Karten</translation>
    </message>
    <message>
        <source>8-Bit Retro</source>
        <translation>8-Bit-Retro</translation>
    </message>
    <message>
        <source>A simple solitaire game for your Linux system tray.</source>
        <translation>Ein einfaches Solitär-Spiel für den Infobereich Ihres Linux-Desktops.</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Dieses Spiel aufgeben?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Adds a small suit symbol beside the rank, so you can tell the suits apart in overlapping stacks.</source>
        <translation>Zeigt neben dem Kartenwert ein kleines Farbsymbol, damit sich die Farben auch in überlappenden Stapeln unterscheiden lassen.</translation>
    </message>
    <message>
        <source>Allow Murvane Solitaire in your desktop's Startup Applications (Autostart) settings.</source>
        <translation>Erlauben Sie Murvane Solitaire in den Autostart-Einstellungen Ihres Desktops.</translation>
    </message>
    <message>
        <source>Tell me when a game is lost</source>
        <translation>Mitteilen, wenn ein Spiel verloren ist</translation>
    </message>
    <message>
        <source>Auto Complete</source>
        <translation>Automatisch beenden</translation>
    </message>
    <message>
        <source>Auto-Complete</source>
        <translation>Automatisch beenden</translation>
    </message>
    <message>
        <source>Autumn Maple</source>
        <translation>Herbstahorn</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Höchste Punktzahl</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Blueprint</source>
        <translation>Blaupause</translation>
    </message>
    <message>
        <source>Build down the columns</source>
        <translation>In den Reihen absteigend anlegen</translation>
    </message>
    <message>
        <source>CARDS</source>
        <translation>KARTEN</translation>
    </message>
    <message>
        <source>Can't see it? Look behind the arrow that collects hidden tray icons, or add a system tray to your panel.</source>
        <translation>Nicht zu sehen? Schauen Sie hinter dem Pfeil mit den ausgeblendeten Symbolen nach, oder fügen Sie Ihrer Leiste einen Infobereich hinzu.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Card Back, Theme: %@</source>
        <translation>Kartenrücken, Design: %@</translation>
    </message>
    <message>
        <source>Card Fan</source>
        <translation>Kartenfächer</translation>
    </message>
    <message>
        <source>Changing this rule deals a new game and resets your win streak.</source>
        <translation>Wenn Sie diese Regel ändern, wird neu gegeben und Ihre Siegesserie zurückgesetzt.</translation>
    </message>
    <message>
        <source>Cherry Blossom Ink</source>
        <translation>Kirschblüten in Tusche</translation>
    </message>
    <message>
        <source>Classic Indigo</source>
        <translation>Klassisches Indigo</translation>
    </message>
    <message>
        <source>Click the icon in the system tray on your panel to open the game. Click anywhere else to hide it, and your game is right where you left it. Can't see it? Look in the tray's overflow area, or add a system tray to your panel.</source>
        <translation>Klicken Sie auf das Symbol im Infobereich Ihrer Leiste, um das Spiel zu öffnen. Ein Klick woanders blendet es aus, und Ihr Spiel wartet genau dort, wo Sie aufgehört haben. Nicht zu sehen? Schauen Sie unter den ausgeblendeten Symbolen nach, oder fügen Sie Ihrer Leiste einen Infobereich hinzu.</translation>
    </message>
    <message>
        <source>Click the stock to turn over cards. Choose Draw 1 or Draw 3 in Preferences. When the stock runs out, click it to turn the waste pile back over.</source>
        <translation>Klicken Sie auf den Talon, um Karten aufzudecken. In den Einstellungen wählen Sie „1 Karte ziehen“ oder „3 Karten ziehen“. Ist der Talon leer, klicken Sie darauf, um die Ablage wieder umzudrehen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closing the window quits the game; your game in progress is kept for next time.</source>
        <translation>Das Schließen des Fensters beendet das Spiel; Ihr laufendes Spiel bleibt für das nächste Mal erhalten.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|one</source>
        <translation>Reihe %2$lld: %1$lld verdeckte Karte</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|other</source>
        <translation>Reihe %2$lld: %1$lld verdeckte Karten</translation>
    </message>
    <message>
        <source>Copper Circuit</source>
        <translation>Kupferplatine</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Current score: %@</source>
        <translation>Aktuelle Punktzahl: %@</translation>
    </message>
    <message>
        <source>Deal Mode</source>
        <translation>Ziehmodus</translation>
    </message>
    <message>
        <source>Deals Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Deck Theme: %@</source>
        <translation>Kartendesign: %@</translation>
    </message>
    <message>
        <source>Desert Dusk</source>
        <translation>Wüstenabend</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Double-tap to move to the best available spot.</source>
        <translation>Doppeltippen, um die Karte an den besten freien Platz zu legen.</translation>
    </message>
    <message>
        <source>Drag a card, along with the cards on top of it, to where it fits. Or double-click a card to send it to the best spot.</source>
        <translation>Ziehen Sie eine Karte samt der Karten darauf an eine passende Stelle. Oder doppelklicken Sie eine Karte, um sie an den besten Platz zu legen.</translation>
    </message>
    <message>
        <source>Draw 1</source>
        <translation>1 Karte ziehen</translation>
    </message>
    <message>
        <source>Draw 3</source>
        <translation>3 Karten ziehen</translation>
    </message>
    <message>
        <source>Draw from the stock</source>
        <translation>Vom Talon ziehen</translation>
    </message>
    <message>
        <source>Draw, or move the card</source>
        <translation>Ziehen oder die Karte bewegen</translation>
    </message>
    <message>
        <source>Drew %@.</source>
        <translation>%@ gezogen.</translation>
    </message>
    <message>
        <source>Empty Waste Pile</source>
        <translation>Leere Ablage</translation>
    </message>
    <message>
        <source>Empty column %lld, accepts King only</source>
        <translation>Leere Reihe %lld, nimmt nur einen König an</translation>
    </message>
    <message>
        <source>Face down card</source>
        <translation>Verdeckte Karte</translation>
    </message>
    <message>
        <source>Fill the foundations</source>
        <translation>Die Zielstapel füllen</translation>
    </message>
    <message>
        <source>Final Score: %@</source>
        <translation>Endstand: %@</translation>
    </message>
    <message>
        <source>Foundation pile %lld, accepts Ace first</source>
        <translation>Zielstapel %lld, beginnt mit einem Ass</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Spielgröße</translation>
    </message>
    <message>
        <source>Game Solved</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>Game Solved. Final Score: %@</source>
        <translation>Spiel gewonnen. Endstand: %@</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Verlorene Spiele</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>In the seven columns, place a card on one that is a rank higher and the opposite color: a red 6 on a black 7. Only a King can go into an empty column.</source>
        <translation>In den sieben Reihen legen Sie eine Karte auf eine um eins höhere Karte der anderen Farbe: eine rote 6 auf eine schwarze 7. Nur ein König darf in eine leere Reihe.</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTATUR</translation>
    </message>
    <message>
        <source>Key Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Klondike solitaire that lives in the system tray.</source>
        <translation>Klondike-Solitär, das im Infobereich wohnt.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Zu Hause im Infobereich</translation>
    </message>
    <message>
        <source>Menu: preferences, statistics, how to play, about, and quit</source>
        <translation>Menü: Einstellungen, Statistik, Spielanleitung, Über und Beenden</translation>
    </message>
    <message>
        <source>Midnight Constellation</source>
        <translation>Sternbild um Mitternacht</translation>
    </message>
    <message>
        <source>Moonlit Lavender</source>
        <translation>Lavendel im Mondlicht</translation>
    </message>
    <message>
        <source>Move %1$@ to %2$@</source>
        <translation>%1$@ auf %2$@ legen</translation>
    </message>
    <message>
        <source>Move all 52 cards onto the four foundation piles, one suit each, from Ace up to King. Every deal is checked first, so it can always be won.</source>
        <translation>Legen Sie alle 52 Karten auf die vier Zielstapel, je einen pro Farbe, vom Ass bis zum König. Jedes Spiel wird vorher geprüft und ist immer zu gewinnen.</translation>
    </message>
    <message>
        <source>Move between piles</source>
        <translation>Zwischen Stapeln wechseln</translation>
    </message>
    <message>
        <source>Move cards</source>
        <translation>Karten bewegen</translation>
    </message>
    <message>
        <source>Move redone.</source>
        <translation>Zug wiederholt.</translation>
    </message>
    <message>
        <source>Move to column %lld</source>
        <translation>Auf Reihe %lld legen</translation>
    </message>
    <message>
        <source>Move to empty column %lld</source>
        <translation>Auf leere Reihe %lld legen</translation>
    </message>
    <message>
        <source>Move to foundation</source>
        <translation>Auf einen Zielstapel legen</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Zug rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Murvane Solitaire</source>
        <translation>Murvane Solitaire</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the bottom of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire befindet sich im Infobereich. Klicken Sie zum Spielen auf sein Symbol unten am Bildschirm. Es sieht so aus:</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the top of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire befindet sich im Infobereich. Klicken Sie zum Spielen auf sein Symbol oben am Bildschirm. Es sieht so aus:</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon in your desktop's panel to play. It looks like this:</source>
        <translation>Murvane Solitaire befindet sich im Infobereich. Klicken Sie zum Spielen auf sein Symbol in der Leiste Ihres Desktops. Es sieht so aus:</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Regeln vergessen? Öffnen Sie das Menü des Spiels und wählen Sie Spielanleitung.</translation>
    </message>
    <message>
        <source>Neon Arcade</source>
        <translation>Neon-Spielhalle</translation>
    </message>
    <message>
        <source>New Deal</source>
        <translation>Neu geben</translation>
    </message>
    <message>
        <source>New Deal (⌘N)</source>
        <translation>Neu geben (⌘N)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>No winning line found from here.</source>
        <translation>Von hier aus ist kein Gewinnweg zu finden.</translation>
    </message>
    <message>
        <source>Ocean Tide</source>
        <translation>Meeresflut</translation>
    </message>
    <message>
        <source>Off: classic Vegas limit, one pass through the stock in Draw 1 and three in Draw 3. Changing this starts a new game.</source>
        <translation>Aus: klassisches Vegas-Limit, eine Runde durch den Talon bei „1 Karte ziehen“ und drei bei „3 Karten ziehen“. Eine Änderung startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Once the game is decided, Auto-Complete finishes it for you. You can turn it off in Preferences.</source>
        <translation>Sobald das Spiel entschieden ist, spielt „Automatisch beenden“ es für Sie zu Ende. Sie können das in den Einstellungen abschalten.</translation>
    </message>
    <message>
        <source>Onyx Slate</source>
        <translation>Onyxschiefer</translation>
    </message>
    <message>
        <source>Open Murvane Solitaire</source>
        <translation>Murvane Solitaire öffnen</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Open the game's panel at once. If the game is already running, its panel opens.</source>
        <translation>Öffnet das Spiel sofort. Läuft es bereits, öffnet sich sein Fenster.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Pass %lld of %lld</source>
        <translation>Runde %lld von %lld</translation>
    </message>
    <message>
        <source>Pass %lld/%lld</source>
        <translation>Runde %lld/%lld</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Einstellungen, Statistik, Spielanleitung, Über &amp; Beenden</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Published by Kestrune LLC</source>
        <translation>Herausgegeben von Kestrune LLC</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Quit Murvane Solitaire</source>
        <translation>Murvane Solitaire beenden</translation>
    </message>
    <message>
        <source>Recycle Waste into Stock</source>
        <translation>Ablage zurück auf den Talon</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset All Statistics</source>
        <translation>Gesamte Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Gesamte Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Gesamte Statistik zurücksetzen?</translation>
    </message>
    <message>
        <source>Scoring Rule System</source>
        <translation>Punktesystem</translation>
    </message>
    <message>
        <source>Scoring System</source>
        <translation>Punktesystem</translation>
    </message>
    <message>
        <source>Send the card to a column</source>
        <translation>Die Karte auf eine Reihe legen</translation>
    </message>
    <message>
        <source>Show Hint</source>
        <translation>Tipp anzeigen</translation>
    </message>
    <message>
        <source>Show Suit in Card Corner</source>
        <translation>Farbe in der Kartenecke zeigen</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Einen Tipp anzeigen</translation>
    </message>
    <message>
        <source>Show suit in card corner</source>
        <translation>Farbe in der Kartenecke zeigen</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version an und beendet.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet.</translation>
    </message>
    <message>
        <source>Solid Amber</source>
        <translation>Bernstein</translation>
    </message>
    <message>
        <source>Solid Cerulean</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Solid Cranberry</source>
        <translation>Cranberryrot</translation>
    </message>
    <message>
        <source>Solid Leaf</source>
        <translation>Blattgrün</translation>
    </message>
    <message>
        <source>Solid Mauve</source>
        <translation>Mauve</translation>
    </message>
    <message>
        <source>Solid Sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Solid Slate</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>Solid Terracotta</source>
        <translation>Terrakotta</translation>
    </message>
    <message>
        <source>Solid Twilight</source>
        <translation>Zwielicht</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Spring Bloom</source>
        <translation>Frühlingsblüte</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Standard or Vegas scoring</source>
        <translation>Standard- oder Vegas-Wertung</translation>
    </message>
    <message>
        <source>Standard scoring adds points as you play. Vegas scoring plays for a bankroll: each game costs an ante, and every card on a foundation wins money back. Pick one in Preferences.</source>
        <translation>Bei der Standardwertung sammeln Sie beim Spielen Punkte. Bei der Vegas-Wertung spielen Sie um Guthaben: Jedes Spiel kostet einen Einsatz, und jede Karte auf einem Zielstapel bringt Geld zurück. Wählen Sie eine davon in den Einstellungen.</translation>
    </message>
    <message>
        <source>Start a new game deal</source>
        <translation>Ein neues Spiel geben</translation>
    </message>
    <message>
        <source>Starting a new deal now will reset your win streak.</source>
        <translation>Wenn Sie jetzt neu geben, wird Ihre Siegesserie zurückgesetzt.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Stock Deal Mode</source>
        <translation>Ziehmodus</translation>
    </message>
    <message>
        <source>Stock pile empty.</source>
        <translation>Talon leer.</translation>
    </message>
    <message>
        <source>Stock pile empty. No redeals left.</source>
        <translation>Talon leer. Keine Runden mehr.</translation>
    </message>
    <message>
        <source>Stock pile empty. Tap to recycle waste.</source>
        <translation>Talon leer. Tippen, um die Ablage umzudrehen.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|one</source>
        <translation>Talon. Noch %lld Karte. Zum Ziehen tippen.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|other</source>
        <translation>Talon. Noch %lld Karten. Zum Ziehen tippen.</translation>
    </message>
    <message>
        <source>Studio Kestrune</source>
        <translation>Studio Kestrune</translation>
    </message>
    <message>
        <source>Summer Sol</source>
        <translation>Sommersonne</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the system tray</source>
        <translation>Das Symbol des Spiels, im Infobereich hervorgehoben</translation>
    </message>
    <message>
        <source>This clears your deals, wins, streaks, best score and Vegas bankroll. It can't be undone.</source>
        <translation>Damit werden Ihre Spiele, Siege, Serien, Bestwerte und Ihr Vegas-Guthaben gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>This game can no longer be won. Undo or start a new deal.</source>
        <translation>Dieses Spiel ist nicht mehr zu gewinnen. Machen Sie Züge rückgängig oder geben Sie neu.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Symbol im Infobereich</translation>
    </message>
    <message>
        <source>Tray icon: %@</source>
        <translation>Symbol im Infobereich: %@</translation>
    </message>
    <message>
        <source>Turn the waste back over</source>
        <translation>Ablage umdrehen</translation>
    </message>
    <message>
        <source>Turned up %@.</source>
        <translation>%@ aufgedeckt.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo Move (⌘Z)</source>
        <translation>Zug rückgängig (⌘Z)</translation>
    </message>
    <message>
        <source>Undo and new deals</source>
        <translation>Rückgängig und neu geben</translation>
    </message>
    <message>
        <source>Undo last card move</source>
        <translation>Letzten Zug rückgängig machen</translation>
    </message>
    <message>
        <source>Restart Deal puts the cards back as they were dealt, and Undo takes it back. In Vegas it charges the ante again; what the deal has won stays in the bankroll.</source>
        <translation>„Spiel neu starten“ legt die Karten zurück, wie sie gegeben wurden, und „Rückgängig“ nimmt das zurück. Bei Vegas kostet es den Einsatz erneut; was das Spiel gewonnen hat, bleibt im Guthaben.</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Start a fresh deal any time with New Deal.</source>
        <translation>Rückgängig nimmt Ihren letzten Zug zurück. Mit „Neu geben“ beginnen Sie jederzeit ein neues Spiel.</translation>
    </message>
    <message>
        <source>Unlimited Redeals</source>
        <translation>Unbegrenzte Runden</translation>
    </message>
    <message>
        <source>Unlimited redeals</source>
        <translation>Unbegrenzte Runden</translation>
    </message>
    <message>
        <source>Usage: %@ [--open] [--help] [--version]</source>
        <translation>Aufruf: %@ [--open] [--help] [--version]</translation>
    </message>
    <message>
        <source>Vegas</source>
        <translation>Vegas</translation>
    </message>
    <message>
        <source>Vegas Bankroll</source>
        <translation>Vegas-Guthaben</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Visit </source>
        <translation>Besuchen Sie </translation>
    </message>
    <message>
        <source>Visit publisher website </source>
        <translation>Website des Herausgebers besuchen </translation>
    </message>
    <message>
        <source>Waste turned over into the stock.</source>
        <translation>Ablage auf den Talon umgedreht.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Welcome to Murvane Solitaire</source>
        <translation>Willkommen bei Murvane Solitaire</translation>
    </message>
    <message>
        <source>White Torii</source>
        <translation>Weißes Torii</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Winter Frost</source>
        <translation>Winterfrost</translation>
    </message>
    <message>
        <source>Your desktop has no system tray, so Murvane Solitaire opens as a window instead. Where there is a tray, its icon looks like this:</source>
        <translation>Ihr Desktop hat keinen Infobereich, darum öffnet sich Murvane Solitaire stattdessen als Fenster. Wo es einen Infobereich gibt, sieht sein Symbol so aus:</translation>
    </message>
    <message>
        <source>cannot connect to a display (DISPLAY and WAYLAND_DISPLAY are unset or unreachable)</source>
        <translation>keine Verbindung zu einer Anzeige möglich (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt oder nicht erreichbar)</translation>
    </message>
    <message>
        <source>column %lld</source>
        <translation>Reihe %lld</translation>
    </message>
    <message>
        <source>foundation %lld</source>
        <translation>Zielstapel %lld</translation>
    </message>
    <message>
        <source>option '%@' needs a value</source>
        <translation>Option „%@“ braucht einen Wert</translation>
    </message>
    <message>
        <source>unrecognized argument '%@'</source>
        <translation>unbekanntes Argument „%@“</translation>
    </message>
    <message>
        <source>© 2026 Kestrune LLC</source>
        <translation>© 2026 Kestrune LLC</translation>
    </message>
    <message>
        <source>Enter a deal number from 1 to 2147483647, or a deal code.</source>
        <translation>Geben Sie eine Spielnummer von 1 bis 2147483647 oder einen Spielcode ein.</translation>
    </message>
    <message>
        <source>Deal numbers run from 1 to 2147483647.</source>
        <translation>Spielnummern reichen von 1 bis 2147483647.</translation>
    </message>
    <message>
        <source>This deal code has a typing mistake. Check it and try again.</source>
        <translation>Dieser Spielcode enthält einen Tippfehler. Prüfen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This deal code is incomplete. Check that you copied all of it.</source>
        <translation>Dieser Spielcode ist unvollständig. Prüfen Sie, ob Sie ihn ganz kopiert haben.</translation>
    </message>
    <message>
        <source>Deal code copied</source>
        <translation>Spielcode kopiert</translation>
    </message>
    <message>
        <source>unlimited passes</source>
        <translation>unbegrenzte Runden</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@, number %2$lld (%3$@)</source>
        <translation>Murvane Solitaire, Spiel %1$@, Nummer %2$lld (%3$@)</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@ (%2$@)</source>
        <translation>Murvane Solitaire, Spiel %1$@ (%2$@)</translation>
    </message>
    <message>
        <source>%1$@, %2$@</source>
        <translation>%1$@, %2$@</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · %3$@</source>
        <translation>%1$lld gespielt · %2$lld gewonnen · %3$@</translation>
    </message>
    <message>
        <source>Lost: could no longer be won when it was replaced. Abandoned: replaced while it could still be won. Games Lost counts every deal not won.</source>
        <translation>Verloren: beim Ersetzen nicht mehr zu gewinnen. Aufgegeben: ersetzt, als es noch zu gewinnen war. „Verlorene Spiele“ zählt jedes nicht gewonnene Spiel.</translation>
    </message>
    <message>
        <source>No finished deals yet.</source>
        <translation>Noch kein Spiel beendet.</translation>
    </message>
    <message>
        <source>By rule set</source>
        <translation>Nach Regeln</translation>
    </message>
    <message>
        <source>Restart Deal</source>
        <translation>Spiel neu starten</translation>
    </message>
    <message>
        <source>Copy Deal Code</source>
        <translation>Spielcode kopieren</translation>
    </message>
    <message>
        <source>Play Deal…</source>
        <translation>Spiel wählen…</translation>
    </message>
    <message>
        <source>Play Deal</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Deal %lld</source>
        <translation>Spiel %lld</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Deal number or code</source>
        <translation>Spielnummer oder -code</translation>
    </message>
    <message>
        <source>Enter a deal number to play the same deal as anyone else, or paste a deal code someone shared.</source>
        <translation>Geben Sie eine Nummer ein, um dasselbe Spiel wie alle anderen zu spielen, oder fügen Sie einen geteilten Spielcode ein.</translation>
    </message>
    <message>
        <source>%lld passes|one</source>
        <translation>%lld Runde</translation>
    </message>
    <message>
        <source>%lld passes|other</source>
        <translation>%lld Runden</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|one</source>
        <translation>%1$lld letztes Spiel: %2$lld gewonnen, %3$lld verloren, %4$lld aufgegeben</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|other</source>
        <translation>Letzte %1$lld Spiele: %2$lld gewonnen, %3$lld verloren, %4$lld aufgegeben</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Aufgegeben</translation>
    </message>
    <message>
        <source>Watch Solution</source>
        <translation>Lösung ansehen</translation>
    </message>
    <message>
        <source>Watching the solution. Press any key to stop.</source>
        <translation>Die Lösung wird gezeigt. Zum Beenden eine beliebige Taste drücken.</translation>
    </message>
    <message>
        <source>Choose Watch Solution in the menu and the game plays its winning line from where you are, one move at a time. A click or any key stops it, and Undo takes its moves back. A deal you watched counts as shown, never as won.</source>
        <translation>Wählen Sie „Lösung ansehen“ im Menü, und das Spiel spielt seinen Gewinnweg von der aktuellen Stellung aus Zug für Zug vor. Ein Klick oder eine beliebige Taste hält es an, und Rückgängig nimmt seine Züge zurück. Ein angesehenes Spiel zählt als gezeigt, nie als gewonnen.</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gezeigt</translation>
    </message>
    <message>
        <source>Shown: %lld</source>
        <translation>Gezeigt: %lld</translation>
    </message>
    <message>
        <source>Shown: the game played its winning line with Watch Solution, so it never counts as won.</source>
        <translation>Gezeigt: Das Spiel hat seinen Gewinnweg mit „Lösung ansehen“ vorgespielt, daher zählt es nie als gewonnen.</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Vierfarbiges Blatt</translation>
    </message>
    <message>
        <source>Spades black, hearts red, diamonds blue, clubs green.</source>
        <translation>Pik schwarz, Herz rot, Karo blau, Kreuz grün.</translation>
    </message>
    <message>
        <source>Today's Deal</source>
        <translation>Spiel des Tages</translation>
    </message>
    <message>
        <source>Today's Deal, %@</source>
        <translation>Spiel des Tages, %@</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tagesspiele</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · current streak %3$lld · best streak %4$lld</source>
        <translation>%1$lld gespielt · %2$lld gewonnen · aktuelle Serie %3$lld · längste Serie %4$lld</translation>
    </message>
    <message>
        <source>Last %1$lld days: won %2$lld, played but not won %3$lld, not played %4$lld</source>
        <translation>Letzte %1$lld Tage: gewonnen %2$lld, ohne Sieg gespielt %3$lld, nicht gespielt %4$lld</translation>
    </message>
    <message>
        <source>Played, not won</source>
        <translation>Ohne Sieg gespielt</translation>
    </message>
    <message>
        <source>Not played</source>
        <translation>Nicht gespielt</translation>
    </message>
    <message>
        <source>Every day brings one deal, the same for every player. Choose Today's Deal in the menu; it is checked once you have won it. Statistics counts the days you played and won, and your daily streak: the days in a row whose deal you won. A deal counts for the day it was dealt, even if you finish it after midnight.</source>
        <translation>Jeden Tag gibt es ein Spiel, für alle Spieler dasselbe. Wählen Sie im Menü „Spiel des Tages“; sobald Sie es gewonnen haben, ist es abgehakt. Die Statistik zählt die Tage, an denen Sie gespielt und gewonnen haben, und Ihre Tagesserie: die Tage in Folge, deren Spiel Sie gewonnen haben. Ein Spiel zählt für den Tag, an dem es gegeben wurde, auch wenn Sie es erst nach Mitternacht beenden.</translation>
    </message>
    <message>
        <source>%1$lld:%2$@</source>
        <translation>%1$lld:%2$@</translation>
    </message>
    <message>
        <source>%1$lld:%2$@:%3$@</source>
        <translation>%1$lld:%2$@:%3$@</translation>
    </message>
    <message>
        <source>Show time and moves</source>
        <translation>Zeit und Züge zeigen</translation>
    </message>
    <message>
        <source>Show time and moves</source>
        <translation>Zeit und Züge zeigen</translation>
    </message>
    <message>
        <source>Shows the deal's time and moves in the header, and keeps your fastest win and fewest moves for each rule set.</source>
        <translation>Zeigt oben die Zeit und die Züge des Spiels und merkt sich für jede Regelvariante deinen schnellsten Sieg und die wenigsten Züge.</translation>
    </message>
    <message>
        <source>Time and moves</source>
        <translation>Zeit und Züge</translation>
    </message>
    <message>
        <source>Fastest Win</source>
        <translation>Schnellster Sieg</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|one</source>
        <translation>%2$@ · %1$lld Zug</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|other</source>
        <translation>%2$@ · %1$lld Züge</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|one</source>
        <translation>Zeit %2$@, %1$lld Zug</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|other</source>
        <translation>Zeit %2$@, %1$lld Züge</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|one</source>
        <translation>%2$@ und %1$lld Karte auf %3$@ legen</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|other</source>
        <translation>%2$@ und %1$lld Karten auf %3$@ legen</translation>
    </message>
    <message>
        <source>Dealing…</source>
        <translation>Wird ausgeteilt…</translation>
    </message>
</context>
</TS>
