<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Murvane</name>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>%1$@ moved to column %2$lld.</source>
        <translation>%1$@ w kolumnie %2$lld.</translation>
    </message>
    <message>
        <source>%1$@ of %2$@</source>
        <translation>%1$@ %2$@</translation>
    </message>
    <message>
        <source>%@ moved to foundation.</source>
        <translation>%@ na stosie docelowym.</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%lld cards|one</source>
        <translation>%lld karta</translation>
    </message>
    <message>
        <source>%lld cards|few</source>
        <translation>%lld karty</translation>
    </message>
    <message>
        <source>%lld cards|many</source>
        <translation>%lld kart</translation>
    </message>
    <message>
        <source>8-Bit Retro</source>
        <translation>Retro 8-bitowe</translation>
    </message>
    <message>
        <source>A simple solitaire game for your Linux system tray.</source>
        <translation>Prosty pasjans w zasobniku systemowym Twojego pulpitu Linux.</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIKACJA</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Porzucić tę grę?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Adds a small suit symbol beside the rank, so you can tell the suits apart in overlapping stacks.</source>
        <translation>Dodaje mały symbol koloru obok wartości karty, by łatwo odróżnić kolory w nachodzących na siebie kartach.</translation>
    </message>
    <message>
        <source>Allow Murvane Solitaire in your desktop's Startup Applications (Autostart) settings.</source>
        <translation>Zezwól na Murvane Solitaire w ustawieniach programów startowych (autostartu) swojego pulpitu.</translation>
    </message>
    <message>
        <source>Tell me when a game is lost</source>
        <translation>Powiadamiaj, gdy gry nie da się już wygrać</translation>
    </message>
    <message>
        <source>Auto Complete</source>
        <translation>Dokończ automatycznie</translation>
    </message>
    <message>
        <source>Auto-Complete</source>
        <translation>Autodokończenie</translation>
    </message>
    <message>
        <source>Autumn Maple</source>
        <translation>Jesienny klon</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Najlepszy wynik</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Najdłuższa seria</translation>
    </message>
    <message>
        <source>Blueprint</source>
        <translation>Rysunek techniczny</translation>
    </message>
    <message>
        <source>Build down the columns</source>
        <translation>Układaj malejąco w kolumnach</translation>
    </message>
    <message>
        <source>CARDS</source>
        <translation>KARTY</translation>
    </message>
    <message>
        <source>Can't see it? Look behind the arrow that collects hidden tray icons, or add a system tray to your panel.</source>
        <translation>Nie widzisz jej? Zajrzyj pod strzałkę z ukrytymi ikonami albo dodaj zasobnik systemowy do panelu.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Card Back, Theme: %@</source>
        <translation>Rewers kart, motyw: %@</translation>
    </message>
    <message>
        <source>Card Fan</source>
        <translation>Wachlarz kart</translation>
    </message>
    <message>
        <source>Changing this rule deals a new game and resets your win streak.</source>
        <translation>Zmiana tej zasady rozdaje nową grę i zeruje Twoją serię zwycięstw.</translation>
    </message>
    <message>
        <source>Cherry Blossom Ink</source>
        <translation>Kwiat wiśni tuszem</translation>
    </message>
    <message>
        <source>Classic Indigo</source>
        <translation>Klasyczne indygo</translation>
    </message>
    <message>
        <source>Click the icon in the system tray on your panel to open the game. Click anywhere else to hide it, and your game is right where you left it. Can't see it? Look in the tray's overflow area, or add a system tray to your panel.</source>
        <translation>Kliknij ikonę w zasobniku systemowym na panelu, aby otworzyć grę. Kliknij gdziekolwiek indziej, aby ją ukryć — gra poczeka tam, gdzie ją zostawiłeś. Nie widzisz ikony? Zajrzyj do ukrytych ikon zasobnika albo dodaj zasobnik systemowy do panelu.</translation>
    </message>
    <message>
        <source>Click the stock to turn over cards. Choose Draw 1 or Draw 3 in Preferences. When the stock runs out, click it to turn the waste pile back over.</source>
        <translation>Kliknij talię, aby odkrywać karty. W Preferencjach wybierz dobieranie po 1 lub po 3 karty. Gdy talia się skończy, kliknij ją, aby odwrócić odkryte karty z powrotem.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Closing the window quits the game; your game in progress is kept for next time.</source>
        <translation>Zamknięcie okna kończy program; rozpoczęta gra zostanie zachowana na następny raz.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Trefl</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trefl</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|one</source>
        <translation>Kolumna %2$lld: %1$lld zakryta karta</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|few</source>
        <translation>Kolumna %2$lld: %1$lld zakryte karty</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|many</source>
        <translation>Kolumna %2$lld: %1$lld zakrytych kart</translation>
    </message>
    <message>
        <source>Copper Circuit</source>
        <translation>Miedziany obwód</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Bieżąca seria</translation>
    </message>
    <message>
        <source>Current score: %@</source>
        <translation>Bieżący wynik: %@</translation>
    </message>
    <message>
        <source>Deal Mode</source>
        <translation>Tryb dobierania</translation>
    </message>
    <message>
        <source>Deals Played</source>
        <translation>Rozegrane rozdania</translation>
    </message>
    <message>
        <source>Deck Theme: %@</source>
        <translation>Motyw talii: %@</translation>
    </message>
    <message>
        <source>Desert Dusk</source>
        <translation>Zmierzch na pustyni</translation>
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
        <translation>Stuknij dwukrotnie, aby przenieść kartę na najlepsze wolne miejsce.</translation>
    </message>
    <message>
        <source>Drag a card, along with the cards on top of it, to where it fits. Or double-click a card to send it to the best spot.</source>
        <translation>Przeciągnij kartę razem z kartami leżącymi na niej tam, gdzie pasuje. Możesz też kliknąć kartę dwukrotnie, aby przenieść ją na najlepsze miejsce.</translation>
    </message>
    <message>
        <source>Draw 1</source>
        <translation>Po 1 karcie</translation>
    </message>
    <message>
        <source>Draw 3</source>
        <translation>Po 3 karty</translation>
    </message>
    <message>
        <source>Draw from the stock</source>
        <translation>Dobierz z talii</translation>
    </message>
    <message>
        <source>Draw, or move the card</source>
        <translation>Dobierz albo przenieś kartę</translation>
    </message>
    <message>
        <source>Drew %@.</source>
        <translation>Dobrano: %@.</translation>
    </message>
    <message>
        <source>Empty Waste Pile</source>
        <translation>Pusty stos odkrytych kart</translation>
    </message>
    <message>
        <source>Empty column %lld, accepts King only</source>
        <translation>Pusta kolumna %lld, przyjmuje tylko Króla</translation>
    </message>
    <message>
        <source>Face down card</source>
        <translation>Zakryta karta</translation>
    </message>
    <message>
        <source>Fill the foundations</source>
        <translation>Zapełnij stosy docelowe</translation>
    </message>
    <message>
        <source>Final Score: %@</source>
        <translation>Wynik końcowy: %@</translation>
    </message>
    <message>
        <source>Foundation pile %lld, accepts Ace first</source>
        <translation>Stos docelowy %lld, zaczyna się od Asa</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ROZGRYWKA</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Rozmiar gry</translation>
    </message>
    <message>
        <source>Game Solved</source>
        <translation>Pasjans ułożony</translation>
    </message>
    <message>
        <source>Game Solved. Final Score: %@</source>
        <translation>Pasjans ułożony. Wynik końcowy: %@</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Przegrane gry</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Wygrane gry</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Kier</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Kier</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>In the seven columns, place a card on one that is a rank higher and the opposite color: a red 6 on a black 7. Only a King can go into an empty column.</source>
        <translation>W siedmiu kolumnach kładź kartę na karcie o jeden wyższej i w przeciwnym kolorze: czerwoną szóstkę na czarną siódemkę. Pustą kolumnę może zająć tylko Król.</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Walet</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLAWIATURA</translation>
    </message>
    <message>
        <source>Key Lime</source>
        <translation>Limonka</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Król</translation>
    </message>
    <message>
        <source>Klondike solitaire that lives in the system tray.</source>
        <translation>Pasjans Klondike, który mieszka w zasobniku systemowym.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>W zasobniku systemowym</translation>
    </message>
    <message>
        <source>Menu: preferences, statistics, how to play, about, and quit</source>
        <translation>Menu: preferencje, statystyki, jak grać, o programie i zakończ</translation>
    </message>
    <message>
        <source>Midnight Constellation</source>
        <translation>Gwiazdozbiór o północy</translation>
    </message>
    <message>
        <source>Moonlit Lavender</source>
        <translation>Lawenda w blasku księżyca</translation>
    </message>
    <message>
        <source>Move %1$@ to %2$@</source>
        <translation>%1$@ do %2$@</translation>
    </message>
    <message>
        <source>Move all 52 cards onto the four foundation piles, one suit each, from Ace up to King. Every deal is checked first, so it can always be won.</source>
        <translation>Przenieś wszystkie 52 karty na cztery stosy docelowe, po jednym na kolor, od Asa do Króla. Każde rozdanie jest wcześniej sprawdzane, więc zawsze da się je wygrać.</translation>
    </message>
    <message>
        <source>Move between piles</source>
        <translation>Przechodź między stosami</translation>
    </message>
    <message>
        <source>Move cards</source>
        <translation>Przenoś karty</translation>
    </message>
    <message>
        <source>Move redone.</source>
        <translation>Ruch ponowiony.</translation>
    </message>
    <message>
        <source>Move to column %lld</source>
        <translation>Przenieś do kolumny %lld</translation>
    </message>
    <message>
        <source>Move to empty column %lld</source>
        <translation>Przenieś do pustej kolumny %lld</translation>
    </message>
    <message>
        <source>Move to foundation</source>
        <translation>Przenieś na stos docelowy</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Ruch cofnięty.</translation>
    </message>
    <message>
        <source>Murvane Solitaire</source>
        <translation>Murvane Solitaire</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the bottom of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire znajduje się w zasobniku systemowym. Aby zagrać, kliknij jego ikonę na dole ekranu. Wygląda tak:</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the top of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire znajduje się w zasobniku systemowym. Aby zagrać, kliknij jego ikonę na górze ekranu. Wygląda tak:</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon in your desktop's panel to play. It looks like this:</source>
        <translation>Murvane Solitaire znajduje się w zasobniku systemowym. Aby zagrać, kliknij jego ikonę na panelu pulpitu. Wygląda tak:</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Potrzebujesz zasad? Otwórz menu gry i wybierz Jak grać.</translation>
    </message>
    <message>
        <source>Neon Arcade</source>
        <translation>Neonowy automat</translation>
    </message>
    <message>
        <source>New Deal</source>
        <translation>Nowe rozdanie</translation>
    </message>
    <message>
        <source>New Deal (⌘N)</source>
        <translation>Nowe rozdanie (⌘N)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>No winning line found from here.</source>
        <translation>Stąd nie widać drogi do wygranej.</translation>
    </message>
    <message>
        <source>Ocean Tide</source>
        <translation>Przypływ oceanu</translation>
    </message>
    <message>
        <source>Off: classic Vegas limit, one pass through the stock in Draw 1 and three in Draw 3. Changing this starts a new game.</source>
        <translation>Wyłączone: klasyczny limit Vegas – jedno przejście przez talię przy dobieraniu po 1 karcie i trzy przy dobieraniu po 3 karty. Zmiana rozpoczyna nową grę.</translation>
    </message>
    <message>
        <source>Once the game is decided, Auto-Complete finishes it for you. You can turn it off in Preferences.</source>
        <translation>Gdy gra jest już rozstrzygnięta, Autodokończenie ułoży ją za Ciebie. Możesz je wyłączyć w Preferencjach.</translation>
    </message>
    <message>
        <source>Onyx Slate</source>
        <translation>Onyksowy łupek</translation>
    </message>
    <message>
        <source>Open Murvane Solitaire</source>
        <translation>Otwórz Murvane Solitaire</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Otwórz Preferencje</translation>
    </message>
    <message>
        <source>Open the game's panel at once. If the game is already running, its panel opens.</source>
        <translation>Od razu otwiera panel gry. Jeśli gra już działa, otwiera się jej panel.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Pass %lld of %lld</source>
        <translation>Przejście %lld z %lld</translation>
    </message>
    <message>
        <source>Pass %lld/%lld</source>
        <translation>Przejście %lld/%lld</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Zagraj ponownie</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferencje, Statystyki, Jak grać, O programie i Zakończ</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencje…</translation>
    </message>
    <message>
        <source>Published by Kestrune LLC</source>
        <translation>Wydawca: Kestrune LLC</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>Quit Murvane Solitaire</source>
        <translation>Zakończ Murvane Solitaire</translation>
    </message>
    <message>
        <source>Recycle Waste into Stock</source>
        <translation>Odwróć odkryte karty do talii</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyzeruj</translation>
    </message>
    <message>
        <source>Reset All Statistics</source>
        <translation>Wyzeruj wszystkie statystyki</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Wyzeruj wszystkie statystyki</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Wyzerować wszystkie statystyki?</translation>
    </message>
    <message>
        <source>Scoring Rule System</source>
        <translation>System punktacji</translation>
    </message>
    <message>
        <source>Scoring System</source>
        <translation>System punktacji</translation>
    </message>
    <message>
        <source>Send the card to a column</source>
        <translation>Przenieś kartę do kolumny</translation>
    </message>
    <message>
        <source>Show Hint</source>
        <translation>Pokaż podpowiedź</translation>
    </message>
    <message>
        <source>Show Suit in Card Corner</source>
        <translation>Pokazuj kolor w rogu karty</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Pokaż podpowiedź</translation>
    </message>
    <message>
        <source>Show suit in card corner</source>
        <translation>Pokazuj kolor w rogu karty</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokazuje wersję i kończy.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokazuje tę pomoc i kończy.</translation>
    </message>
    <message>
        <source>Solid Amber</source>
        <translation>Bursztyn</translation>
    </message>
    <message>
        <source>Solid Cerulean</source>
        <translation>Błękit</translation>
    </message>
    <message>
        <source>Solid Cranberry</source>
        <translation>Żurawina</translation>
    </message>
    <message>
        <source>Solid Leaf</source>
        <translation>Zieleń liści</translation>
    </message>
    <message>
        <source>Solid Mauve</source>
        <translation>Wrzos</translation>
    </message>
    <message>
        <source>Solid Sand</source>
        <translation>Piasek</translation>
    </message>
    <message>
        <source>Solid Slate</source>
        <translation>Łupek</translation>
    </message>
    <message>
        <source>Solid Terracotta</source>
        <translation>Terakota</translation>
    </message>
    <message>
        <source>Solid Twilight</source>
        <translation>Półmrok</translation>
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
        <translation>Wiosenny rozkwit</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Standard or Vegas scoring</source>
        <translation>Punktacja standardowa lub Vegas</translation>
    </message>
    <message>
        <source>Standard scoring adds points as you play. Vegas scoring plays for a bankroll: each game costs an ante, and every card on a foundation wins money back. Pick one in Preferences.</source>
        <translation>Punktacja standardowa dodaje punkty w trakcie gry. W punktacji Vegas grasz o pieniądze: każda gra kosztuje wpisowe, a każda karta na stosie docelowym odzyskuje część stawki. Wybierz jedną z nich w Preferencjach.</translation>
    </message>
    <message>
        <source>Start a new game deal</source>
        <translation>Rozdaj nową grę</translation>
    </message>
    <message>
        <source>Starting a new deal now will reset your win streak.</source>
        <translation>Nowe rozdanie teraz wyzeruje Twoją serię zwycięstw.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Stock Deal Mode</source>
        <translation>Tryb dobierania</translation>
    </message>
    <message>
        <source>Stock pile empty.</source>
        <translation>Talia pusta.</translation>
    </message>
    <message>
        <source>Stock pile empty. No redeals left.</source>
        <translation>Talia pusta. Nie ma już kolejnych przejść.</translation>
    </message>
    <message>
        <source>Stock pile empty. Tap to recycle waste.</source>
        <translation>Talia pusta. Stuknij, aby odwrócić odkryte karty.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|one</source>
        <translation>Talia. Pozostała %lld karta. Stuknij, aby dobrać.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|few</source>
        <translation>Talia. Pozostały %lld karty. Stuknij, aby dobrać.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|many</source>
        <translation>Talia. Pozostało %lld kart. Stuknij, aby dobrać.</translation>
    </message>
    <message>
        <source>Studio Kestrune</source>
        <translation>Studio Kestrune</translation>
    </message>
    <message>
        <source>Summer Sol</source>
        <translation>Letnie słońce</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the system tray</source>
        <translation>Ikona gry, wyróżniona w zasobniku systemowym</translation>
    </message>
    <message>
        <source>This clears your deals, wins, streaks, best score and Vegas bankroll. It can't be undone.</source>
        <translation>Spowoduje to usunięcie rozdań, zwycięstw, serii, najlepszego wyniku i puli Vegas. Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>This game can no longer be won. Undo or start a new deal.</source>
        <translation>Tej gry nie da się już wygrać. Cofnij ruch albo zacznij nowe rozdanie.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikona w zasobniku</translation>
    </message>
    <message>
        <source>Tray icon: %@</source>
        <translation>Ikona w zasobniku: %@</translation>
    </message>
    <message>
        <source>Turn the waste back over</source>
        <translation>Odwróć odkryte karty</translation>
    </message>
    <message>
        <source>Turned up %@.</source>
        <translation>Odkryto: %@.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo Move (⌘Z)</source>
        <translation>Cofnij ruch (⌘Z)</translation>
    </message>
    <message>
        <source>Undo and new deals</source>
        <translation>Cofanie i nowe rozdania</translation>
    </message>
    <message>
        <source>Undo last card move</source>
        <translation>Cofnij ostatni ruch</translation>
    </message>
    <message>
        <source>Restart Deal puts the cards back as they were dealt, and Undo takes it back. In Vegas it charges the ante again; what the deal has won stays in the bankroll.</source>
        <translation>Zacznij rozdanie od nowa przywraca karty tak, jak zostały rozdane, a Cofnij to odwraca. W Vegas pobiera stawkę ponownie; to, co rozdanie wygrało, zostaje w puli.</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Start a fresh deal any time with New Deal.</source>
        <translation>Cofnij wycofuje ostatni ruch. Nowe rozdanie możesz zacząć w każdej chwili przyciskiem Nowe rozdanie.</translation>
    </message>
    <message>
        <source>Unlimited Redeals</source>
        <translation>Nieograniczone przejścia</translation>
    </message>
    <message>
        <source>Unlimited redeals</source>
        <translation>Nieograniczone przejścia</translation>
    </message>
    <message>
        <source>Usage: %@ [--open] [--help] [--version]</source>
        <translation>Użycie: %@ [--open] [--help] [--version]</translation>
    </message>
    <message>
        <source>Vegas</source>
        <translation>Vegas</translation>
    </message>
    <message>
        <source>Vegas Bankroll</source>
        <translation>Pula Vegas</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Wersja %@</translation>
    </message>
    <message>
        <source>Visit </source>
        <translation>Odwiedź </translation>
    </message>
    <message>
        <source>Visit publisher website </source>
        <translation>Odwiedź stronę wydawcy </translation>
    </message>
    <message>
        <source>Waste turned over into the stock.</source>
        <translation>Odkryte karty odwrócono do talii.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witaj</translation>
    </message>
    <message>
        <source>Welcome to Murvane Solitaire</source>
        <translation>Witaj w Murvane Solitaire</translation>
    </message>
    <message>
        <source>White Torii</source>
        <translation>Białe torii</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Odsetek wygranych</translation>
    </message>
    <message>
        <source>Winter Frost</source>
        <translation>Zimowy szron</translation>
    </message>
    <message>
        <source>Your desktop has no system tray, so Murvane Solitaire opens as a window instead. Where there is a tray, its icon looks like this:</source>
        <translation>Twój pulpit nie ma zasobnika systemowego, więc Murvane Solitaire otwiera się w oknie. Tam, gdzie zasobnik jest, ikona wygląda tak:</translation>
    </message>
    <message>
        <source>cannot connect to a display (DISPLAY and WAYLAND_DISPLAY are unset or unreachable)</source>
        <translation>nie można połączyć się z ekranem (DISPLAY i WAYLAND_DISPLAY nie są ustawione lub są nieosiągalne)</translation>
    </message>
    <message>
        <source>column %lld</source>
        <translation>kolumny %lld</translation>
    </message>
    <message>
        <source>foundation %lld</source>
        <translation>stosu docelowego %lld</translation>
    </message>
    <message>
        <source>option '%@' needs a value</source>
        <translation>opcja „%@” wymaga wartości</translation>
    </message>
    <message>
        <source>unrecognized argument '%@'</source>
        <translation>nierozpoznany argument „%@”</translation>
    </message>
    <message>
        <source>© 2026 Kestrune LLC</source>
        <translation>© 2026 Kestrune LLC</translation>
    </message>
    <message>
        <source>Enter a deal number from 1 to 2147483647, or a deal code.</source>
        <translation>Wpisz numer rozdania od 1 do 2147483647 albo kod rozdania.</translation>
    </message>
    <message>
        <source>Deal numbers run from 1 to 2147483647.</source>
        <translation>Numery rozdań to liczby od 1 do 2147483647.</translation>
    </message>
    <message>
        <source>This deal code has a typing mistake. Check it and try again.</source>
        <translation>W tym kodzie rozdania jest literówka. Sprawdź go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>This deal code is incomplete. Check that you copied all of it.</source>
        <translation>Ten kod rozdania jest niepełny. Sprawdź, czy skopiowano go w całości.</translation>
    </message>
    <message>
        <source>Deal code copied</source>
        <translation>Skopiowano kod rozdania</translation>
    </message>
    <message>
        <source>unlimited passes</source>
        <translation>bez limitu przejść</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@, number %2$lld (%3$@)</source>
        <translation>Murvane Solitaire, rozdanie %1$@, numer %2$lld (%3$@)</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@ (%2$@)</source>
        <translation>Murvane Solitaire, rozdanie %1$@ (%2$@)</translation>
    </message>
    <message>
        <source>%1$@, %2$@</source>
        <translation>%1$@, %2$@</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · %3$@</source>
        <translation>rozegrane: %1$lld · wygrane: %2$lld · %3$@</translation>
    </message>
    <message>
        <source>Lost: could no longer be won when it was replaced. Abandoned: replaced while it could still be won. Games Lost counts every deal not won.</source>
        <translation>Przegrane: nie do wygrania w chwili zastąpienia. Porzucone: zastąpione, gdy wciąż można było wygrać. „Przegrane gry” liczą każde niewygrane rozdanie.</translation>
    </message>
    <message>
        <source>No finished deals yet.</source>
        <translation>Nie ma jeszcze zakończonych rozdań.</translation>
    </message>
    <message>
        <source>By rule set</source>
        <translation>Według zasad</translation>
    </message>
    <message>
        <source>Restart Deal</source>
        <translation>Zacznij rozdanie od nowa</translation>
    </message>
    <message>
        <source>Copy Deal Code</source>
        <translation>Kopiuj kod rozdania</translation>
    </message>
    <message>
        <source>Play Deal…</source>
        <translation>Zagraj rozdanie…</translation>
    </message>
    <message>
        <source>Play Deal</source>
        <translation>Zagraj rozdanie</translation>
    </message>
    <message>
        <source>Deal %lld</source>
        <translation>Rozdanie %lld</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Zagraj</translation>
    </message>
    <message>
        <source>Deal number or code</source>
        <translation>Numer lub kod rozdania</translation>
    </message>
    <message>
        <source>Enter a deal number to play the same deal as anyone else, or paste a deal code someone shared.</source>
        <translation>Wpisz numer, aby zagrać to samo rozdanie co inni, albo wklej udostępniony kod rozdania.</translation>
    </message>
    <message>
        <source>%lld passes|one</source>
        <translation>%lld przejście</translation>
    </message>
    <message>
        <source>%lld passes|few</source>
        <translation>%lld przejścia</translation>
    </message>
    <message>
        <source>%lld passes|many</source>
        <translation>%lld przejść</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|one</source>
        <translation>Ostatnie %1$lld rozdanie: wygrane %2$lld, przegrane %3$lld, porzucone %4$lld</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|few</source>
        <translation>Ostatnie %1$lld rozdania: wygrane %2$lld, przegrane %3$lld, porzucone %4$lld</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|many</source>
        <translation>Ostatnich %1$lld rozdań: wygrane %2$lld, przegrane %3$lld, porzucone %4$lld</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Odsetek</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Porzucone</translation>
    </message>
    <message>
        <source>Watch Solution</source>
        <translation>Pokaż rozwiązanie</translation>
    </message>
    <message>
        <source>Watching the solution. Press any key to stop.</source>
        <translation>Trwa pokaz rozwiązania. Naciśnij dowolny klawisz, aby go zatrzymać.</translation>
    </message>
    <message>
        <source>Choose Watch Solution in the menu and the game plays its winning line from where you are, one move at a time. A click or any key stops it, and Undo takes its moves back. A deal you watched counts as shown, never as won.</source>
        <translation>Wybierz Pokaż rozwiązanie z menu, a gra rozegra zwycięską linię od bieżącej pozycji, ruch po ruchu. Kliknięcie lub dowolny klawisz ją zatrzymuje, a Cofnij wycofuje jej ruchy. Rozdanie, którego rozwiązanie obejrzano, liczy się jako pokazane, nigdy jako wygrane.</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Pokazane</translation>
    </message>
    <message>
        <source>Shown: %lld</source>
        <translation>Pokazane: %lld</translation>
    </message>
    <message>
        <source>Shown: the game played its winning line with Watch Solution, so it never counts as won.</source>
        <translation>Pokazane: gra rozegrała swoją zwycięską linię przez Pokaż rozwiązanie, więc nigdy nie liczą się jako wygrane.</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Talia czterokolorowa</translation>
    </message>
    <message>
        <source>Spades black, hearts red, diamonds blue, clubs green.</source>
        <translation>Piki czarne, kiery czerwone, kara niebieskie, trefle zielone.</translation>
    </message>
    <message>
        <source>Today's Deal</source>
        <translation>Rozdanie dnia</translation>
    </message>
    <message>
        <source>Today's Deal, %@</source>
        <translation>Rozdanie dnia, %@</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Rozdania dnia</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · current streak %3$lld · best streak %4$lld</source>
        <translation>rozegrane %1$lld · wygrane %2$lld · bieżąca seria %3$lld · najdłuższa seria %4$lld</translation>
    </message>
    <message>
        <source>Last %1$lld days: won %2$lld, played but not won %3$lld, not played %4$lld</source>
        <translation>Ostatnie %1$lld dni: wygrane %2$lld, rozegrane bez wygranej %3$lld, niezagrane %4$lld</translation>
    </message>
    <message>
        <source>Played, not won</source>
        <translation>Rozegrane, bez wygranej</translation>
    </message>
    <message>
        <source>Not played</source>
        <translation>Niezagrane</translation>
    </message>
    <message>
        <source>Every day brings one deal, the same for every player. Choose Today's Deal in the menu; it is checked once you have won it. Statistics counts the days you played and won, and your daily streak: the days in a row whose deal you won. A deal counts for the day it was dealt, even if you finish it after midnight.</source>
        <translation>Każdego dnia czeka jedno rozdanie, takie samo dla wszystkich graczy. Wybierz Rozdanie dnia w menu; zostanie zaznaczone, gdy je wygrasz. Statystyki liczą dni rozegrane i wygrane oraz Twoją serię dzienną: kolejne dni, których rozdanie udało się wygrać. Rozdanie liczy się dla dnia, w którym zostało rozdane, nawet jeśli skończysz je po północy.</translation>
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
        <translation>Pokazuj czas i ruchy</translation>
    </message>
    <message>
        <source>Show time and moves</source>
        <translation>Pokazuj czas i ruchy</translation>
    </message>
    <message>
        <source>Shows the deal's time and moves in the header, and keeps your fastest win and fewest moves for each rule set.</source>
        <translation>Pokazuje w nagłówku czas i liczbę ruchów rozdania oraz zapamiętuje najszybszą wygraną i najmniej ruchów dla każdych zasad.</translation>
    </message>
    <message>
        <source>Time and moves</source>
        <translation>Czas i ruchy</translation>
    </message>
    <message>
        <source>Fastest Win</source>
        <translation>Najszybsza wygrana</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Najmniej ruchów</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|one</source>
        <translation>%2$@ · %1$lld ruch</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|few</source>
        <translation>%2$@ · %1$lld ruchy</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|many</source>
        <translation>%2$@ · %1$lld ruchów</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|one</source>
        <translation>Czas %2$@, %1$lld ruch</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|few</source>
        <translation>Czas %2$@, %1$lld ruchy</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|many</source>
        <translation>Czas %2$@, %1$lld ruchów</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|one</source>
        <translation>%2$@ i %1$lld kartę do %3$@</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|few</source>
        <translation>%2$@ i %1$lld karty do %3$@</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|many</source>
        <translation>%2$@ i %1$lld kart do %3$@</translation>
    </message>
    <message>
        <source>Dealing…</source>
        <translation>Rozdawanie…</translation>
    </message>
</context>
</TS>
