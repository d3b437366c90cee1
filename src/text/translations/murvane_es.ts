<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Murvane</name>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>%1$@ moved to column %2$lld.</source>
        <translation>%1$@ a la columna %2$lld.</translation>
    </message>
    <message>
        <source>%1$@ of %2$@</source>
        <translation>%1$@ de %2$@</translation>
    </message>
    <message>
        <source>%@ moved to foundation.</source>
        <translation>%@ a una fundación.</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%lld cards|one</source>
        <translation>%lld carta</translation>
    </message>
    <message>
        <source>%lld cards|other</source>
        <translation>%lld cartas</translation>
    </message>
    <message>
        <source>8-Bit Retro</source>
        <translation>Retro de 8 bits</translation>
    </message>
    <message>
        <source>A simple solitaire game for your Linux system tray.</source>
        <translation>Un solitario sencillo para la bandeja del sistema de tu escritorio Linux.</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLICACIÓN</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>¿Abandonar esta partida?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Adds a small suit symbol beside the rank, so you can tell the suits apart in overlapping stacks.</source>
        <translation>Añade un pequeño símbolo del palo junto al valor, para distinguir los palos en las pilas superpuestas.</translation>
    </message>
    <message>
        <source>Allow Murvane Solitaire in your desktop's Startup Applications (Autostart) settings.</source>
        <translation>Permite Murvane Solitaire en los ajustes de Aplicaciones al inicio (arranque automático) de tu escritorio.</translation>
    </message>
    <message>
        <source>Tell me when a game is lost</source>
        <translation>Avisarme cuando una partida esté perdida</translation>
    </message>
    <message>
        <source>Auto Complete</source>
        <translation>Completar automáticamente</translation>
    </message>
    <message>
        <source>Auto-Complete</source>
        <translation>Autocompletar</translation>
    </message>
    <message>
        <source>Autumn Maple</source>
        <translation>Arce otoñal</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Blueprint</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Build down the columns</source>
        <translation>Ordena las columnas de mayor a menor</translation>
    </message>
    <message>
        <source>CARDS</source>
        <translation>CARTAS</translation>
    </message>
    <message>
        <source>Can't see it? Look behind the arrow that collects hidden tray icons, or add a system tray to your panel.</source>
        <translation>¿No lo ves? Busca tras la flecha que agrupa los iconos ocultos de la bandeja, o añade una bandeja del sistema a tu panel.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Card Back, Theme: %@</source>
        <translation>Reverso de las cartas, tema: %@</translation>
    </message>
    <message>
        <source>Card Fan</source>
        <translation>Abanico de cartas</translation>
    </message>
    <message>
        <source>Changing this rule deals a new game and resets your win streak.</source>
        <translation>Cambiar esta regla reparte una partida nueva y reinicia tu racha de victorias.</translation>
    </message>
    <message>
        <source>Cherry Blossom Ink</source>
        <translation>Cerezo en flor a tinta</translation>
    </message>
    <message>
        <source>Classic Indigo</source>
        <translation>Índigo clásico</translation>
    </message>
    <message>
        <source>Click the icon in the system tray on your panel to open the game. Click anywhere else to hide it, and your game is right where you left it. Can't see it? Look in the tray's overflow area, or add a system tray to your panel.</source>
        <translation>Haz clic en el icono de la bandeja del sistema de tu panel para abrir el juego. Haz clic en cualquier otro sitio para ocultarlo, y tu partida seguirá donde la dejaste. ¿No lo ves? Búscalo entre los iconos ocultos de la bandeja, o añade una bandeja del sistema a tu panel.</translation>
    </message>
    <message>
        <source>Click the stock to turn over cards. Choose Draw 1 or Draw 3 in Preferences. When the stock runs out, click it to turn the waste pile back over.</source>
        <translation>Haz clic en el mazo para descubrir cartas. Elige Robar 1 o Robar 3 en Preferencias. Cuando se acabe el mazo, haz clic en él para devolverle las cartas del descarte.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closing the window quits the game; your game in progress is kept for next time.</source>
        <translation>Al cerrar la ventana se sale del juego; tu partida en curso se guarda para la próxima vez.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Trébol</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|one</source>
        <translation>Columna %2$lld: %1$lld carta boca abajo</translation>
    </message>
    <message>
        <source>Column %2$lld: %1$lld face-down cards|other</source>
        <translation>Columna %2$lld: %1$lld cartas boca abajo</translation>
    </message>
    <message>
        <source>Copper Circuit</source>
        <translation>Circuito de cobre</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Current score: %@</source>
        <translation>Puntuación actual: %@</translation>
    </message>
    <message>
        <source>Deal Mode</source>
        <translation>Modo de robo</translation>
    </message>
    <message>
        <source>Deals Played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Deck Theme: %@</source>
        <translation>Tema de la baraja: %@</translation>
    </message>
    <message>
        <source>Desert Dusk</source>
        <translation>Atardecer en el desierto</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Double-tap to move to the best available spot.</source>
        <translation>Toca dos veces para moverla al mejor sitio disponible.</translation>
    </message>
    <message>
        <source>Drag a card, along with the cards on top of it, to where it fits. Or double-click a card to send it to the best spot.</source>
        <translation>Arrastra una carta, junto con las que tenga encima, adonde encaje. O haz doble clic en una carta para enviarla al mejor sitio.</translation>
    </message>
    <message>
        <source>Draw 1</source>
        <translation>Robar 1</translation>
    </message>
    <message>
        <source>Draw 3</source>
        <translation>Robar 3</translation>
    </message>
    <message>
        <source>Draw from the stock</source>
        <translation>Robar del mazo</translation>
    </message>
    <message>
        <source>Draw, or move the card</source>
        <translation>Robar, o mover la carta</translation>
    </message>
    <message>
        <source>Drew %@.</source>
        <translation>Robaste %@.</translation>
    </message>
    <message>
        <source>Empty Waste Pile</source>
        <translation>Descarte vacío</translation>
    </message>
    <message>
        <source>Empty column %lld, accepts King only</source>
        <translation>Columna %lld vacía, solo admite un Rey</translation>
    </message>
    <message>
        <source>Face down card</source>
        <translation>Carta boca abajo</translation>
    </message>
    <message>
        <source>Fill the foundations</source>
        <translation>Completa las fundaciones</translation>
    </message>
    <message>
        <source>Final Score: %@</source>
        <translation>Puntuación final: %@</translation>
    </message>
    <message>
        <source>Foundation pile %lld, accepts Ace first</source>
        <translation>Fundación %lld, empieza por un As</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JUEGO</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Tamaño del juego</translation>
    </message>
    <message>
        <source>Game Solved</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>Game Solved. Final Score: %@</source>
        <translation>Partida ganada. Puntuación final: %@</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Partidas perdidas</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>In the seven columns, place a card on one that is a rank higher and the opposite color: a red 6 on a black 7. Only a King can go into an empty column.</source>
        <translation>En las siete columnas, coloca una carta sobre otra de un valor más alto y de color contrario: un 6 rojo sobre un 7 negro. Solo un Rey puede ocupar una columna vacía.</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TECLADO</translation>
    </message>
    <message>
        <source>Key Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Klondike solitaire that lives in the system tray.</source>
        <translation>Solitario Klondike que vive en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Vive en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Menu: preferences, statistics, how to play, about, and quit</source>
        <translation>Menú: preferencias, estadísticas, cómo jugar, acerca de y salir</translation>
    </message>
    <message>
        <source>Midnight Constellation</source>
        <translation>Constelación de medianoche</translation>
    </message>
    <message>
        <source>Moonlit Lavender</source>
        <translation>Lavanda bajo la luna</translation>
    </message>
    <message>
        <source>Move %1$@ to %2$@</source>
        <translation>%1$@ a %2$@</translation>
    </message>
    <message>
        <source>Move all 52 cards onto the four foundation piles, one suit each, from Ace up to King. Every deal is checked first, so it can always be won.</source>
        <translation>Lleva las 52 cartas a las cuatro fundaciones, una por palo, del As al Rey. Cada reparto se comprueba antes, así que siempre se puede ganar.</translation>
    </message>
    <message>
        <source>Move between piles</source>
        <translation>Moverse entre pilas</translation>
    </message>
    <message>
        <source>Move cards</source>
        <translation>Mueve cartas</translation>
    </message>
    <message>
        <source>Move redone.</source>
        <translation>Movimiento rehecho.</translation>
    </message>
    <message>
        <source>Move to column %lld</source>
        <translation>Mover a la columna %lld</translation>
    </message>
    <message>
        <source>Move to empty column %lld</source>
        <translation>Mover a la columna vacía %lld</translation>
    </message>
    <message>
        <source>Move to foundation</source>
        <translation>Mover a la fundación</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Movimiento deshecho.</translation>
    </message>
    <message>
        <source>Murvane Solitaire</source>
        <translation>Murvane Solitaire</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the bottom of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire vive en la bandeja del sistema. Haz clic en su icono, en la parte inferior de la pantalla, para jugar. Tiene este aspecto:</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon at the top of your screen to play. It looks like this:</source>
        <translation>Murvane Solitaire vive en la bandeja del sistema. Haz clic en su icono, en la parte superior de la pantalla, para jugar. Tiene este aspecto:</translation>
    </message>
    <message>
        <source>Murvane Solitaire lives in your system tray. Click its icon in your desktop's panel to play. It looks like this:</source>
        <translation>Murvane Solitaire vive en la bandeja del sistema. Haz clic en su icono, en el panel de tu escritorio, para jugar. Tiene este aspecto:</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>¿Necesitas las reglas? Abre el menú del juego y elige Cómo jugar.</translation>
    </message>
    <message>
        <source>Neon Arcade</source>
        <translation>Arcade de neón</translation>
    </message>
    <message>
        <source>New Deal</source>
        <translation>Nuevo reparto</translation>
    </message>
    <message>
        <source>New Deal (⌘N)</source>
        <translation>Nuevo reparto (⌘N)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>No winning line found from here.</source>
        <translation>No se encuentra forma de ganar desde aquí.</translation>
    </message>
    <message>
        <source>Ocean Tide</source>
        <translation>Marea oceánica</translation>
    </message>
    <message>
        <source>Off: classic Vegas limit, one pass through the stock in Draw 1 and three in Draw 3. Changing this starts a new game.</source>
        <translation>Desactivado: límite clásico de Vegas, una pasada por el mazo con Robar 1 y tres con Robar 3. Cambiarlo empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Once the game is decided, Auto-Complete finishes it for you. You can turn it off in Preferences.</source>
        <translation>Cuando la partida está decidida, Autocompletar la termina por ti. Puedes desactivarlo en Preferencias.</translation>
    </message>
    <message>
        <source>Onyx Slate</source>
        <translation>Pizarra ónix</translation>
    </message>
    <message>
        <source>Open Murvane Solitaire</source>
        <translation>Abrir Murvane Solitaire</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Abrir Preferencias</translation>
    </message>
    <message>
        <source>Open the game's panel at once. If the game is already running, its panel opens.</source>
        <translation>Abre el juego enseguida. Si ya está en marcha, se abre su panel.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Pass %lld of %lld</source>
        <translation>Pasada %lld de %lld</translation>
    </message>
    <message>
        <source>Pass %lld/%lld</source>
        <translation>Pasada %lld/%lld</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferencias, Estadísticas, Cómo jugar, Acerca de y Salir</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Published by Kestrune LLC</source>
        <translation>Publicado por Kestrune LLC</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>Quit Murvane Solitaire</source>
        <translation>Salir de Murvane Solitaire</translation>
    </message>
    <message>
        <source>Recycle Waste into Stock</source>
        <translation>Devolver el descarte al mazo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Reset All Statistics</source>
        <translation>Restablecer todas las estadísticas</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Restablecer todas las estadísticas</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>¿Restablecer todas las estadísticas?</translation>
    </message>
    <message>
        <source>Scoring Rule System</source>
        <translation>Sistema de puntuación</translation>
    </message>
    <message>
        <source>Scoring System</source>
        <translation>Sistema de puntuación</translation>
    </message>
    <message>
        <source>Send the card to a column</source>
        <translation>Enviar la carta a una columna</translation>
    </message>
    <message>
        <source>Show Hint</source>
        <translation>Mostrar pista</translation>
    </message>
    <message>
        <source>Show Suit in Card Corner</source>
        <translation>Mostrar el palo en la esquina</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Mostrar una pista</translation>
    </message>
    <message>
        <source>Show suit in card corner</source>
        <translation>Mostrar el palo en la esquina</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Solid Amber</source>
        <translation>Ámbar</translation>
    </message>
    <message>
        <source>Solid Cerulean</source>
        <translation>Cerúleo</translation>
    </message>
    <message>
        <source>Solid Cranberry</source>
        <translation>Arándano rojo</translation>
    </message>
    <message>
        <source>Solid Leaf</source>
        <translation>Verde hoja</translation>
    </message>
    <message>
        <source>Solid Mauve</source>
        <translation>Malva</translation>
    </message>
    <message>
        <source>Solid Sand</source>
        <translation>Arena</translation>
    </message>
    <message>
        <source>Solid Slate</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Solid Terracotta</source>
        <translation>Terracota</translation>
    </message>
    <message>
        <source>Solid Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Pica</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>Spring Bloom</source>
        <translation>Flor de primavera</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Standard or Vegas scoring</source>
        <translation>Puntuación estándar o Vegas</translation>
    </message>
    <message>
        <source>Standard scoring adds points as you play. Vegas scoring plays for a bankroll: each game costs an ante, and every card on a foundation wins money back. Pick one in Preferences.</source>
        <translation>La puntuación estándar suma puntos mientras juegas. La de Vegas se juega con un fondo: cada partida cuesta una apuesta y cada carta en una fundación te devuelve dinero. Elige una en Preferencias.</translation>
    </message>
    <message>
        <source>Start a new game deal</source>
        <translation>Repartir una partida nueva</translation>
    </message>
    <message>
        <source>Starting a new deal now will reset your win streak.</source>
        <translation>Si empiezas un nuevo reparto ahora, se reiniciará tu racha de victorias.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Stock Deal Mode</source>
        <translation>Modo de robo</translation>
    </message>
    <message>
        <source>Stock pile empty.</source>
        <translation>Mazo vacío.</translation>
    </message>
    <message>
        <source>Stock pile empty. No redeals left.</source>
        <translation>Mazo vacío. No quedan más pasadas.</translation>
    </message>
    <message>
        <source>Stock pile empty. Tap to recycle waste.</source>
        <translation>Mazo vacío. Toca para devolver el descarte.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|one</source>
        <translation>Mazo. Queda %lld carta. Toca para robar.</translation>
    </message>
    <message>
        <source>Stock pile. %lld cards remaining. Tap to draw.|other</source>
        <translation>Mazo. Quedan %lld cartas. Toca para robar.</translation>
    </message>
    <message>
        <source>Studio Kestrune</source>
        <translation>Studio Kestrune</translation>
    </message>
    <message>
        <source>Summer Sol</source>
        <translation>Sol de verano</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the system tray</source>
        <translation>El icono del juego, resaltado en la bandeja del sistema</translation>
    </message>
    <message>
        <source>This clears your deals, wins, streaks, best score and Vegas bankroll. It can't be undone.</source>
        <translation>Se borrarán tus partidas, victorias, rachas, mejor puntuación y fondo de Vegas. No se puede deshacer.</translation>
    </message>
    <message>
        <source>This game can no longer be won. Undo or start a new deal.</source>
        <translation>Esta partida ya no se puede ganar. Deshaz movimientos o empieza un nuevo reparto.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Icono de la bandeja</translation>
    </message>
    <message>
        <source>Tray icon: %@</source>
        <translation>Icono de la bandeja: %@</translation>
    </message>
    <message>
        <source>Turn the waste back over</source>
        <translation>Dar la vuelta al descarte</translation>
    </message>
    <message>
        <source>Turned up %@.</source>
        <translation>Carta descubierta: %@.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo Move (⌘Z)</source>
        <translation>Deshacer movimiento (⌘Z)</translation>
    </message>
    <message>
        <source>Undo and new deals</source>
        <translation>Deshacer y nuevos repartos</translation>
    </message>
    <message>
        <source>Undo last card move</source>
        <translation>Deshacer el último movimiento</translation>
    </message>
    <message>
        <source>Restart Deal puts the cards back as they were dealt, and Undo takes it back. In Vegas it charges the ante again; what the deal has won stays in the bankroll.</source>
        <translation>Reiniciar reparto vuelve a poner las cartas como se repartieron, y Deshacer lo revierte. En Vegas cobra la apuesta de nuevo; lo que el reparto ha ganado se queda en el saldo.</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Start a fresh deal any time with New Deal.</source>
        <translation>Deshacer anula tu último movimiento. Empieza un reparto nuevo cuando quieras con Nuevo reparto.</translation>
    </message>
    <message>
        <source>Unlimited Redeals</source>
        <translation>Pasadas ilimitadas</translation>
    </message>
    <message>
        <source>Unlimited redeals</source>
        <translation>Pasadas ilimitadas</translation>
    </message>
    <message>
        <source>Usage: %@ [--open] [--help] [--version]</source>
        <translation>Uso: %@ [--open] [--help] [--version]</translation>
    </message>
    <message>
        <source>Vegas</source>
        <translation>Vegas</translation>
    </message>
    <message>
        <source>Vegas Bankroll</source>
        <translation>Fondo de Vegas</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versión %@</translation>
    </message>
    <message>
        <source>Visit </source>
        <translation>Visita </translation>
    </message>
    <message>
        <source>Visit publisher website </source>
        <translation>Visitar el sitio web del editor </translation>
    </message>
    <message>
        <source>Waste turned over into the stock.</source>
        <translation>Descarte devuelto al mazo.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Welcome to Murvane Solitaire</source>
        <translation>Te damos la bienvenida a Murvane Solitaire</translation>
    </message>
    <message>
        <source>White Torii</source>
        <translation>Torii blanco</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Winter Frost</source>
        <translation>Escarcha invernal</translation>
    </message>
    <message>
        <source>Your desktop has no system tray, so Murvane Solitaire opens as a window instead. Where there is a tray, its icon looks like this:</source>
        <translation>Tu escritorio no tiene bandeja del sistema, así que Murvane Solitaire se abre en una ventana. Donde hay bandeja, su icono tiene este aspecto:</translation>
    </message>
    <message>
        <source>cannot connect to a display (DISPLAY and WAYLAND_DISPLAY are unset or unreachable)</source>
        <translation>no se puede conectar con una pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas o no responden)</translation>
    </message>
    <message>
        <source>column %lld</source>
        <translation>la columna %lld</translation>
    </message>
    <message>
        <source>foundation %lld</source>
        <translation>la fundación %lld</translation>
    </message>
    <message>
        <source>option '%@' needs a value</source>
        <translation>la opción «%@» necesita un valor</translation>
    </message>
    <message>
        <source>unrecognized argument '%@'</source>
        <translation>argumento no reconocido «%@»</translation>
    </message>
    <message>
        <source>© 2026 Kestrune LLC</source>
        <translation>© 2026 Kestrune LLC</translation>
    </message>
    <message>
        <source>Enter a deal number from 1 to 2147483647, or a deal code.</source>
        <translation>Escribe un número de reparto del 1 al 2147483647 o un código de reparto.</translation>
    </message>
    <message>
        <source>Deal numbers run from 1 to 2147483647.</source>
        <translation>Los números de reparto van del 1 al 2147483647.</translation>
    </message>
    <message>
        <source>This deal code has a typing mistake. Check it and try again.</source>
        <translation>Este código de reparto tiene un error de escritura. Revísalo e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>This deal code is incomplete. Check that you copied all of it.</source>
        <translation>Este código de reparto está incompleto. Comprueba que lo has copiado entero.</translation>
    </message>
    <message>
        <source>Deal code copied</source>
        <translation>Código del reparto copiado</translation>
    </message>
    <message>
        <source>unlimited passes</source>
        <translation>pasadas ilimitadas</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@, number %2$lld (%3$@)</source>
        <translation>Murvane Solitaire, reparto %1$@, número %2$lld (%3$@)</translation>
    </message>
    <message>
        <source>Murvane Solitaire deal %1$@ (%2$@)</source>
        <translation>Murvane Solitaire, reparto %1$@ (%2$@)</translation>
    </message>
    <message>
        <source>%1$@, %2$@</source>
        <translation>%1$@, %2$@</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · %3$@</source>
        <translation>%1$lld jugadas · %2$lld ganadas · %3$@</translation>
    </message>
    <message>
        <source>Lost: could no longer be won when it was replaced. Abandoned: replaced while it could still be won. Games Lost counts every deal not won.</source>
        <translation>Perdidos: ya no se podían ganar al sustituirlos. Abandonados: sustituidos cuando aún se podían ganar. «Partidas perdidas» cuenta cada reparto no ganado.</translation>
    </message>
    <message>
        <source>No finished deals yet.</source>
        <translation>Todavía no hay repartos terminados.</translation>
    </message>
    <message>
        <source>By rule set</source>
        <translation>Por reglas</translation>
    </message>
    <message>
        <source>Restart Deal</source>
        <translation>Reiniciar reparto</translation>
    </message>
    <message>
        <source>Copy Deal Code</source>
        <translation>Copiar código del reparto</translation>
    </message>
    <message>
        <source>Play Deal…</source>
        <translation>Jugar un reparto…</translation>
    </message>
    <message>
        <source>Play Deal</source>
        <translation>Jugar un reparto</translation>
    </message>
    <message>
        <source>Deal %lld</source>
        <translation>Reparto %lld</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Deal number or code</source>
        <translation>Número o código de reparto</translation>
    </message>
    <message>
        <source>Enter a deal number to play the same deal as anyone else, or paste a deal code someone shared.</source>
        <translation>Escribe un número para jugar el mismo reparto que los demás o pega un código de reparto compartido.</translation>
    </message>
    <message>
        <source>%lld passes|one</source>
        <translation>%lld pasada</translation>
    </message>
    <message>
        <source>%lld passes|other</source>
        <translation>%lld pasadas</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|one</source>
        <translation>%1$lld último reparto: %2$lld ganado, %3$lld perdido, %4$lld abandonado</translation>
    </message>
    <message>
        <source>Last %1$lld deals: %2$lld won, %3$lld lost, %4$lld abandoned|other</source>
        <translation>Últimos %1$lld repartos: %2$lld ganados, %3$lld perdidos, %4$lld abandonados</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugados</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganados</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tasa</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonados</translation>
    </message>
    <message>
        <source>Watch Solution</source>
        <translation>Ver la solución</translation>
    </message>
    <message>
        <source>Watching the solution. Press any key to stop.</source>
        <translation>Mostrando la solución. Pulsa cualquier tecla para detenerla.</translation>
    </message>
    <message>
        <source>Choose Watch Solution in the menu and the game plays its winning line from where you are, one move at a time. A click or any key stops it, and Undo takes its moves back. A deal you watched counts as shown, never as won.</source>
        <translation>Elige Ver la solución en el menú y el juego juega su línea ganadora desde donde estás, movimiento a movimiento. Un clic o cualquier tecla la detiene, y Deshacer anula sus movimientos. Un reparto que has visto resolver cuenta como mostrado, nunca como ganado.</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Mostrados</translation>
    </message>
    <message>
        <source>Shown: %lld</source>
        <translation>Mostrados: %lld</translation>
    </message>
    <message>
        <source>Shown: the game played its winning line with Watch Solution, so it never counts as won.</source>
        <translation>Mostrados: el juego jugó su línea ganadora con Ver la solución, así que nunca cuentan como ganados.</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Palos en cuatro colores</translation>
    </message>
    <message>
        <source>Spades black, hearts red, diamonds blue, clubs green.</source>
        <translation>Picas en negro, corazones en rojo, diamantes en azul y tréboles en verde.</translation>
    </message>
    <message>
        <source>Today's Deal</source>
        <translation>Reparto del día</translation>
    </message>
    <message>
        <source>Today's Deal, %@</source>
        <translation>Reparto del día, %@</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d 'de' MMMM</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Repartos del día</translation>
    </message>
    <message>
        <source>%1$lld played · %2$lld won · current streak %3$lld · best streak %4$lld</source>
        <translation>%1$lld jugados · %2$lld ganados · racha actual %3$lld · mejor racha %4$lld</translation>
    </message>
    <message>
        <source>Last %1$lld days: won %2$lld, played but not won %3$lld, not played %4$lld</source>
        <translation>Últimos %1$lld días: ganados %2$lld, jugados sin ganar %3$lld, sin jugar %4$lld</translation>
    </message>
    <message>
        <source>Played, not won</source>
        <translation>Jugado, sin ganar</translation>
    </message>
    <message>
        <source>Not played</source>
        <translation>Sin jugar</translation>
    </message>
    <message>
        <source>Every day brings one deal, the same for every player. Choose Today's Deal in the menu; it is checked once you have won it. Statistics counts the days you played and won, and your daily streak: the days in a row whose deal you won. A deal counts for the day it was dealt, even if you finish it after midnight.</source>
        <translation>Cada día trae un reparto, el mismo para todos los jugadores. Elige Reparto del día en el menú; aparece marcado cuando lo hayas ganado. Las estadísticas cuentan los días que jugaste y ganaste, y tu racha diaria: los días seguidos cuyo reparto ganaste. Un reparto cuenta para el día en que se repartió, aunque lo termines después de medianoche.</translation>
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
        <translation>Mostrar tiempo y jugadas</translation>
    </message>
    <message>
        <source>Show time and moves</source>
        <translation>Mostrar tiempo y jugadas</translation>
    </message>
    <message>
        <source>Shows the deal's time and moves in the header, and keeps your fastest win and fewest moves for each rule set.</source>
        <translation>Muestra el tiempo y las jugadas de la partida en la cabecera, y guarda tu victoria más rápida y la de menos jugadas para cada conjunto de reglas.</translation>
    </message>
    <message>
        <source>Time and moves</source>
        <translation>Tiempo y jugadas</translation>
    </message>
    <message>
        <source>Fastest Win</source>
        <translation>Victoria más rápida</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Menos jugadas</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|one</source>
        <translation>%2$@ · %1$lld jugada</translation>
    </message>
    <message>
        <source>%2$@ · %1$lld moves|other</source>
        <translation>%2$@ · %1$lld jugadas</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|one</source>
        <translation>Tiempo %2$@, %1$lld jugada</translation>
    </message>
    <message>
        <source>Time %2$@, %1$lld moves|other</source>
        <translation>Tiempo %2$@, %1$lld jugadas</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|one</source>
        <translation>%2$@ y %1$lld carta a %3$@</translation>
    </message>
    <message>
        <source>Move %2$@ and %1$lld cards to %3$@|other</source>
        <translation>%2$@ y %1$lld cartas a %3$@</translation>
    </message>
    <message>
        <source>Dealing…</source>
        <translation>Repartiendo…</translation>
    </message>
</context>
</TS>
