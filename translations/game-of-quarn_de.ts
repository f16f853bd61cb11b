<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of %2 cells, each live or dead; %n live</source>
        <translation>
            <numerusform>%1 Zeilen zu %2 Zellen, jede lebend oder tot; %n lebend</numerusform>
            <numerusform>%1 Zeilen zu %2 Zellen, jede lebend oder tot; %n lebend</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>live</source>
        <translation>lebend</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Row %1, column %2 of the %3</source>
        <translation>Zeile %1, Spalte %2 im %3</translation>
    </message>
</context>
<context>
    <name>Census</name>
    <message>
        <source>up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>up and to the left</source>
        <translation>nach oben links</translation>
    </message>
    <message>
        <source>up and to the right</source>
        <translation>nach oben rechts</translation>
    </message>
    <message>
        <source>down and to the left</source>
        <translation>nach unten links</translation>
    </message>
    <message>
        <source>down and to the right</source>
        <translation>nach unten rechts</translation>
    </message>
    <message>
        <source>Lone cell</source>
        <translation>Einzelne Zelle</translation>
    </message>
    <message>
        <source>a lone cell</source>
        <translation>eine einzelne Zelle</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3.</source>
        <translation>%1 in Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3, heading %4.</source>
        <translation>%1 in Zeile %2, Spalte %3, unterwegs %4.</translation>
    </message>
    <message>
        <source>The board is empty: no live cells.</source>
        <translation>Das Spielfeld ist leer: keine lebenden Zellen.</translation>
    </message>
    <message>
        <source>The board dies out at step %1.</source>
        <translation>Das Spielfeld stirbt bei Schritt %1 aus.</translation>
    </message>
    <message>
        <source>The board settles at step %1 into %2.</source>
        <translation>Das Spielfeld kommt bei Schritt %1 zur Ruhe: %2.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>a block</source>
        <translation>ein Block</translation>
    </message>
    <message>
        <source>Beehive</source>
        <translation>Bienenstock</translation>
    </message>
    <message>
        <source>a beehive</source>
        <translation>ein Bienenstock</translation>
    </message>
    <message>
        <source>Loaf</source>
        <translation>Laib</translation>
    </message>
    <message>
        <source>a loaf</source>
        <translation>ein Laib</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>a boat</source>
        <translation>ein Boot</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>a ship</source>
        <translation>ein Schiff</translation>
    </message>
    <message>
        <source>Tub</source>
        <translation>Wanne</translation>
    </message>
    <message>
        <source>a tub</source>
        <translation>eine Wanne</translation>
    </message>
    <message>
        <source>Pond</source>
        <translation>Teich</translation>
    </message>
    <message>
        <source>a pond</source>
        <translation>ein Teich</translation>
    </message>
    <message>
        <source>Barge</source>
        <translation>Kahn</translation>
    </message>
    <message>
        <source>a barge</source>
        <translation>ein Kahn</translation>
    </message>
    <message>
        <source>Long boat</source>
        <translation>Langes Boot</translation>
    </message>
    <message>
        <source>a long boat</source>
        <translation>ein langes Boot</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>a snake</source>
        <translation>eine Schlange</translation>
    </message>
    <message>
        <source>Aircraft carrier</source>
        <translation>Flugzeugträger</translation>
    </message>
    <message>
        <source>an aircraft carrier</source>
        <translation>ein Flugzeugträger</translation>
    </message>
    <message>
        <source>Fishhook</source>
        <translation>Angelhaken</translation>
    </message>
    <message>
        <source>a fishhook</source>
        <translation>ein Angelhaken</translation>
    </message>
    <message>
        <source>Long barge</source>
        <translation>Langer Kahn</translation>
    </message>
    <message>
        <source>a long barge</source>
        <translation>ein langer Kahn</translation>
    </message>
    <message>
        <source>Blinker</source>
        <translation>Blinker</translation>
    </message>
    <message>
        <source>a blinker</source>
        <translation>ein Blinker</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Kröte</translation>
    </message>
    <message>
        <source>a toad</source>
        <translation>eine Kröte</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation>Leuchtfeuer</translation>
    </message>
    <message>
        <source>a beacon</source>
        <translation>ein Leuchtfeuer</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>a clock</source>
        <translation>eine Uhr</translation>
    </message>
    <message>
        <source>Pulsar</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>a pulsar</source>
        <translation>ein Pulsar</translation>
    </message>
    <message>
        <source>Pentadecathlon</source>
        <translation>Pentadecathlon</translation>
    </message>
    <message>
        <source>a pentadecathlon</source>
        <translation>ein Pentadecathlon</translation>
    </message>
    <message>
        <source>Figure eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>a figure eight</source>
        <translation>eine Acht</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Gleiter</translation>
    </message>
    <message>
        <source>a glider</source>
        <translation>ein Gleiter</translation>
    </message>
    <message>
        <source>Lightweight ship</source>
        <translation>Leichtes Schiff</translation>
    </message>
    <message>
        <source>a lightweight ship</source>
        <translation>ein leichtes Schiff</translation>
    </message>
    <message>
        <source>Middleweight ship</source>
        <translation>Mittelschweres Schiff</translation>
    </message>
    <message>
        <source>a middleweight ship</source>
        <translation>ein mittelschweres Schiff</translation>
    </message>
    <message>
        <source>Heavyweight ship</source>
        <translation>Schweres Schiff</translation>
    </message>
    <message>
        <source>a heavyweight ship</source>
        <translation>ein schweres Schiff</translation>
    </message>
    <message>
        <source>The board died out at step %1.</source>
        <translation>Das Spielfeld ist bei Schritt %1 ausgestorben.</translation>
    </message>
    <message>
        <source>The board settled at step %1 into %2.</source>
        <translation>Das Spielfeld ist bei Schritt %1 zur Ruhe gekommen: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks</source>
        <translation>
            <numerusform>ein Block</numerusform>
            <numerusform>%n Blöcke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beehives</source>
        <translation>
            <numerusform>ein Bienenstock</numerusform>
            <numerusform>%n Bienenstöcke</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loaves</source>
        <translation>
            <numerusform>ein Laib</numerusform>
            <numerusform>%n Laibe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boats</source>
        <translation>
            <numerusform>ein Boot</numerusform>
            <numerusform>%n Boote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ships</source>
        <translation>
            <numerusform>ein Schiff</numerusform>
            <numerusform>%n Schiffe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tubs</source>
        <translation>
            <numerusform>eine Wanne</numerusform>
            <numerusform>%n Wannen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ponds</source>
        <translation>
            <numerusform>ein Teich</numerusform>
            <numerusform>%n Teiche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barges</source>
        <translation>
            <numerusform>ein Kahn</numerusform>
            <numerusform>%n Kähne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long boats</source>
        <translation>
            <numerusform>ein langes Boot</numerusform>
            <numerusform>%n lange Boote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snakes</source>
        <translation>
            <numerusform>eine Schlange</numerusform>
            <numerusform>%n Schlangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aircraft carriers</source>
        <translation>
            <numerusform>ein Flugzeugträger</numerusform>
            <numerusform>%n Flugzeugträger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fishhooks</source>
        <translation>
            <numerusform>ein Angelhaken</numerusform>
            <numerusform>%n Angelhaken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long barges</source>
        <translation>
            <numerusform>ein langer Kahn</numerusform>
            <numerusform>%n lange Kähne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blinkers</source>
        <translation>
            <numerusform>ein Blinker</numerusform>
            <numerusform>%n Blinker</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n toads</source>
        <translation>
            <numerusform>eine Kröte</numerusform>
            <numerusform>%n Kröten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beacons</source>
        <translation>
            <numerusform>ein Leuchtfeuer</numerusform>
            <numerusform>%n Leuchtfeuer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>eine Uhr</numerusform>
            <numerusform>%n Uhren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pulsars</source>
        <translation>
            <numerusform>ein Pulsar</numerusform>
            <numerusform>%n Pulsare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pentadecathlons</source>
        <translation>
            <numerusform>ein Pentadecathlon</numerusform>
            <numerusform>%n Pentadecathlons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n figure eights</source>
        <translation>
            <numerusform>eine Acht</numerusform>
            <numerusform>%n Achten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gliders</source>
        <translation>
            <numerusform>ein Gleiter</numerusform>
            <numerusform>%n Gleiter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lightweight ships</source>
        <translation>
            <numerusform>ein leichtes Schiff</numerusform>
            <numerusform>%n leichte Schiffe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n middleweight ships</source>
        <translation>
            <numerusform>ein mittelschweres Schiff</numerusform>
            <numerusform>%n mittelschwere Schiffe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heavyweight ships</source>
        <translation>
            <numerusform>ein schweres Schiff</numerusform>
            <numerusform>%n schwere Schiffe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lone cells</source>
        <translation>
            <numerusform>eine einzelne Zelle</numerusform>
            <numerusform>%n einzelne Zellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Changing group of %1</source>
        <translation>Sich wandelnde Gruppe aus %1</translation>
    </message>
    <message>
        <source>a changing group of %1</source>
        <translation>eine sich wandelnde Gruppe aus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n changing groups of %1</source>
        <translation>
            <numerusform>eine sich wandelnde Gruppe aus %1</numerusform>
            <numerusform>%n sich wandelnde Gruppen aus je %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Ship of period %1, %2</source>
        <translation>Raumschiff der Periode %1, %2</translation>
    </message>
    <message>
        <source>a ship of period %1, %2</source>
        <translation>ein Raumschiff der Periode %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ships of period %1, %2</source>
        <translation>
            <numerusform>ein Raumschiff der Periode %1, %2</numerusform>
            <numerusform>%n Raumschiffe der Periode %1, je %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Still life of %1</source>
        <translation>Stillleben aus %1</translation>
    </message>
    <message>
        <source>a still life of %1</source>
        <translation>ein Stillleben aus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n still lifes of %1</source>
        <translation>
            <numerusform>ein Stillleben aus %1</numerusform>
            <numerusform>%n Stillleben aus je %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Oscillator of period %1, %2</source>
        <translation>Oszillator der Periode %1, %2</translation>
    </message>
    <message>
        <source>an oscillator of period %1, %2</source>
        <translation>ein Oszillator der Periode %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n oscillators of period %1, %2</source>
        <translation>
            <numerusform>ein Oszillator der Periode %1, %2</numerusform>
            <numerusform>%n Oszillatoren der Periode %1, je %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n Zelle</numerusform>
            <numerusform>%n Zellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, all of them one changing group.</source>
        <translation>
            <numerusform>%n lebende Zelle, ganz in einer sich wandelnden Gruppe.</numerusform>
            <numerusform>%n lebende Zellen, alle in einer sich wandelnden Gruppe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, most of them one changing group of %1; besides it, %2.</source>
        <translation>
            <numerusform>%n lebende Zelle, in einer sich wandelnden Gruppe aus %1; daneben %2.</numerusform>
            <numerusform>%n lebende Zellen, die meisten in einer sich wandelnden Gruppe aus %1; daneben %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n objects</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells in %1: %2.</source>
        <translation>
            <numerusform>%n lebende Zelle in %1: %2.</numerusform>
            <numerusform>%n lebende Zellen in %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board has repeated every %n steps since step %1, as %2.</source>
        <translation>
            <numerusform>Das Spielfeld wiederholt sich seit Schritt %1 bei jedem Schritt: %2.</numerusform>
            <numerusform>Das Spielfeld wiederholt sich seit Schritt %1 alle %n Schritte: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board repeats every %n steps from step %1, as %2.</source>
        <translation>
            <numerusform>Das Spielfeld wiederholt sich ab Schritt %1 bei jedem Schritt: %2.</numerusform>
            <numerusform>Das Spielfeld wiederholt sich ab Schritt %1 alle %n Schritte: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board is still changing after %n steps.</source>
        <translation>
            <numerusform>Das Spielfeld wandelt sich nach %n Schritt noch immer.</numerusform>
            <numerusform>Das Spielfeld wandelt sich nach %n Schritten noch immer.</numerusform>
        </translation>
    </message>
    <message>
        <source>the block</source>
        <translation>der Block</translation>
    </message>
    <message>
        <source>the beehive</source>
        <translation>der Bienenstock</translation>
    </message>
    <message>
        <source>the loaf</source>
        <translation>der Laib</translation>
    </message>
    <message>
        <source>the boat</source>
        <translation>das Boot</translation>
    </message>
    <message>
        <source>the ship</source>
        <translation>das Schiff</translation>
    </message>
    <message>
        <source>the tub</source>
        <translation>die Wanne</translation>
    </message>
    <message>
        <source>the pond</source>
        <translation>der Teich</translation>
    </message>
    <message>
        <source>the barge</source>
        <translation>der Kahn</translation>
    </message>
    <message>
        <source>the long boat</source>
        <translation>das lange Boot</translation>
    </message>
    <message>
        <source>the snake</source>
        <translation>die Schlange</translation>
    </message>
    <message>
        <source>the aircraft carrier</source>
        <translation>der Flugzeugträger</translation>
    </message>
    <message>
        <source>the fishhook</source>
        <translation>der Angelhaken</translation>
    </message>
    <message>
        <source>the long barge</source>
        <translation>der lange Kahn</translation>
    </message>
    <message>
        <source>the blinker</source>
        <translation>der Blinker</translation>
    </message>
    <message>
        <source>the toad</source>
        <translation>die Kröte</translation>
    </message>
    <message>
        <source>the beacon</source>
        <translation>das Leuchtfeuer</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>die Uhr</translation>
    </message>
    <message>
        <source>the pulsar</source>
        <translation>der Pulsar</translation>
    </message>
    <message>
        <source>the pentadecathlon</source>
        <translation>das Pentadecathlon</translation>
    </message>
    <message>
        <source>the figure eight</source>
        <translation>die Acht</translation>
    </message>
    <message>
        <source>the glider</source>
        <translation>der Gleiter</translation>
    </message>
    <message>
        <source>the lightweight ship</source>
        <translation>das leichte Schiff</translation>
    </message>
    <message>
        <source>the middleweight ship</source>
        <translation>das mittelschwere Schiff</translation>
    </message>
    <message>
        <source>the heavyweight ship</source>
        <translation>das schwere Schiff</translation>
    </message>
    <message>
        <source>%1 from row %2, column %3</source>
        <translation>%1 aus Zeile %2, Spalte %3</translation>
    </message>
    <message numerus="yes">
        <source>the most live cells, %n.</source>
        <translation>
            <numerusform>die meisten lebenden Zellen: %n.</numerusform>
            <numerusform>die meisten lebenden Zellen: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n less telling moments are left out.</source>
        <translation>
            <numerusform>%1 %n weniger bedeutsamer Moment wird nicht genannt.</numerusform>
            <numerusform>%1 %n weniger bedeutsame Momente werden nicht genannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 meet at row %3, column %4.</source>
        <translation>%1 und %2 treffen sich in Zeile %3, Spalte %4.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3 meets the edge.</source>
        <translation>%1 in Zeile %2, Spalte %3 erreicht den Rand.</translation>
    </message>
    <message>
        <source>%1 forms at row %2, column %3.</source>
        <translation>%1 entsteht in Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>%1 forms at row %2, column %3, heading %4.</source>
        <translation>%1 entsteht in Zeile %2, Spalte %3, unterwegs %4.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 ist verschwunden.</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>the lone cell</source>
        <translation>die einzelne Zelle</translation>
    </message>
    <message>
        <source>the changing group of %1</source>
        <translation>die sich wandelnde Gruppe aus %1</translation>
    </message>
    <message>
        <source>the ship of period %1, %2</source>
        <translation>das Raumschiff der Periode %1, %2</translation>
    </message>
    <message>
        <source>the still life of %1</source>
        <translation>das Stillleben aus %1</translation>
    </message>
    <message>
        <source>the oscillator of period %1, %2</source>
        <translation>der Oszillator der Periode %1, %2</translation>
    </message>
    <message>
        <source>the board is empty.</source>
        <translation>das Spielfeld ist leer.</translation>
    </message>
    <message>
        <source>the board dies out.</source>
        <translation>das Spielfeld stirbt aus.</translation>
    </message>
    <message>
        <source>the board settles into %1.</source>
        <translation>das Spielfeld kommt zur Ruhe: %1.</translation>
    </message>
    <message numerus="yes">
        <source>the board starts repeating every %n steps, as %1.</source>
        <translation>
            <numerusform>das Spielfeld wiederholt sich von hier an bei jedem Schritt: %1.</numerusform>
            <numerusform>das Spielfeld wiederholt sich von hier an alle %n Schritte: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the board is still changing.</source>
        <translation>das Spielfeld wandelt sich noch immer.</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Acorn</source>
        <translation>Eichel</translation>
    </message>
    <message>
        <source>Blinker, toad and beacon</source>
        <translation>Blinker, Kröte und Leuchtfeuer</translation>
    </message>
    <message>
        <source>Diehard</source>
        <translation>Diehard</translation>
    </message>
    <message>
        <source>Figure eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Glider collision</source>
        <translation>Zusammenstoß von Gleitern</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Gleiter</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <source>Lightweight ship</source>
        <translation>Leichtes Schiff</translation>
    </message>
    <message>
        <source>Pentadecathlon</source>
        <translation>Pentadecathlon</translation>
    </message>
    <message>
        <source>Pulsar</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>R-pentomino</source>
        <translation>R-Pentomino</translation>
    </message>
    <message>
        <source>Still lifes</source>
        <translation>Stillleben</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>The text is larger than 1 MiB, far more than any pattern for this board needs.</source>
        <translation>Der Text ist größer als 1 MiB, weit mehr, als irgendein Muster für dieses Spielfeld braucht.</translation>
    </message>
    <message>
        <source>The text holds a NUL byte: it is binary data, not a pattern.</source>
        <translation>Der Text enthält ein NUL-Byte: Er ist Binärdaten, kein Muster.</translation>
    </message>
    <message>
        <source>The text is empty.</source>
        <translation>Der Text ist leer.</translation>
    </message>
    <message>
        <source>The pattern is %1 x %2 cells; the board holds %3 x %4.</source>
        <translation>Das Muster ist %1 × %2 Zellen groß; das Spielfeld fasst %3 × %4.</translation>
    </message>
    <message>
        <source>Unexpected %1 in a row: &quot;.&quot; is a dead cell and &quot;O&quot; a live one.</source>
        <translation>Unerwartetes %1 in einer Zeile: „.“ ist eine tote Zelle und „O“ eine lebende.</translation>
    </message>
    <message>
        <source>The pattern has no header line &quot;x = width, y = height&quot;.</source>
        <translation>Das Muster hat keine Kopfzeile „x = Breite, y = Höhe“.</translation>
    </message>
    <message>
        <source>The header should start &quot;x = width&quot;</source>
        <translation>Die Kopfzeile sollte mit „x = Breite“ beginnen</translation>
    </message>
    <message>
        <source>The height should follow as &quot;y = height&quot;</source>
        <translation>Die Höhe sollte als „y = Höhe“ folgen</translation>
    </message>
    <message>
        <source>A comma should follow the width</source>
        <translation>Auf die Breite sollte ein Komma folgen</translation>
    </message>
    <message>
        <source>Only &quot;, rule = ...&quot; may follow the height</source>
        <translation>Auf die Höhe darf nur „, rule = …“ folgen</translation>
    </message>
    <message>
        <source>Only &quot;, rule = ...&quot; may follow the height.</source>
        <translation>Auf die Höhe darf nur „, rule = …“ folgen.</translation>
    </message>
    <message>
        <source>The rule should follow as &quot;rule = ...&quot;</source>
        <translation>Die Regel sollte als „rule = …“ folgen</translation>
    </message>
    <message>
        <source>%1, but the line ends.</source>
        <translation>%1, aber die Zeile endet.</translation>
    </message>
    <message>
        <source>%1; found %2.</source>
        <translation>%1; gefunden: %2.</translation>
    </message>
    <message>
        <source>A number should come here.</source>
        <translation>Hier sollte eine Zahl stehen.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Die Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>The rule is missing after &quot;rule =&quot;.</source>
        <translation>Nach „rule =“ fehlt die Regel.</translation>
    </message>
    <message>
        <source>This pattern is for the rule %1; the board runs B3/S23 only.</source>
        <translation>Dieses Muster ist für die Regel %1; das Spielfeld kennt nur B3/S23.</translation>
    </message>
    <message>
        <source>The count is too large.</source>
        <translation>Die Anzahl ist zu groß.</translation>
    </message>
    <message>
        <source>A count of 0 repeats nothing; counts start at 1.</source>
        <translation>Eine Anzahl von 0 wiederholt nichts; Anzahlen beginnen bei 1.</translation>
    </message>
    <message>
        <source>The count should be followed at once by b, o or $.</source>
        <translation>Auf die Anzahl sollte direkt b, o oder $ folgen.</translation>
    </message>
    <message>
        <source>A count cannot stand before &quot;!&quot;.</source>
        <translation>Vor „!“ darf keine Anzahl stehen.</translation>
    </message>
    <message>
        <source>Unexpected %1 in the cells: &quot;b&quot; and &quot;o&quot; are cells, &quot;$&quot; ends a row and &quot;!&quot; the pattern.</source>
        <translation>Unerwartetes %1 in den Zellen: „b“ und „o“ sind Zellen, „$“ beendet eine Zeile und „!“ das Muster.</translation>
    </message>
    <message>
        <source>Live cells below the height of %1 rows that the header gives.</source>
        <translation>Lebende Zellen unterhalb der Höhe von %1 Zeilen, die die Kopfzeile angibt.</translation>
    </message>
    <message>
        <source>Live cells past the width of %1 columns that the header gives.</source>
        <translation>Lebende Zellen jenseits der Breite von %1 Spalten, die die Kopfzeile angibt.</translation>
    </message>
    <message>
        <source>The count takes the pattern past any size it could have.</source>
        <translation>Die Anzahl führt das Muster über jede mögliche Größe hinaus.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
</context>
<context>
    <name>PopulationAccessible</name>
    <message>
        <source>Live cells at each step</source>
        <translation>Lebende Zellen bei jedem Schritt</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a pipe, and nothing is reading from it.</source>
        <translation>Es ist eine Pipe, und nichts liest aus ihr.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a regular file, and is left as it is.</source>
        <translation>Es ist keine gewöhnliche Datei und bleibt, wie es ist.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Das Plattform-Plugin: xcb, wayland, offscreen, …</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Wo nach Plattform-Plugins gesucht wird.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Das Plattform-Thema.</translation>
    </message>
    <message>
        <source>An input plugin to load.</source>
        <translation>Ein zu ladendes Eingabe-Plugin.</translation>
    </message>
    <message>
        <source>The X display to open the window on.</source>
        <translation>Der X-Bildschirm, auf dem das Fenster öffnet.</translation>
    </message>
    <message>
        <source>Where to put the window, as WxH+X+Y.</source>
        <translation>Wohin das Fenster kommt, als BxH+X+Y.</translation>
    </message>
    <message>
        <source>The window&apos;s icon.</source>
        <translation>Das Symbol des Fensters.</translation>
    </message>
    <message>
        <source>The window&apos;s title.</source>
        <translation>Der Titel des Fensters.</translation>
    </message>
    <message>
        <source>Lays the widgets out right to left.</source>
        <translation>Ordnet die Bedienelemente von rechts nach links an.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>Die wiederherzustellende Sitzung.</translation>
    </message>
    <message>
        <source>The widget style: fusion, windows, ...</source>
        <translation>Der Stil der Bedienelemente: fusion, windows, …</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Ein Stylesheet für die Bedienelemente.</translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left.</source>
        <translation>Meldet am Ende, wie viele Bedienelemente übrig waren.</translation>
    </message>
    <message>
        <source>Prints this help and exits.</source>
        <translation>Gibt diese Hilfe aus und beendet sich.</translation>
    </message>
    <message>
        <source>Prints this help with Qt&apos;s own options too, and exits.</source>
        <translation>Gibt diese Hilfe samt den Optionen von Qt selbst aus und beendet sich.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Gibt die Version aus und beendet sich.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>plugin</source>
        <translation>Plugin</translation>
    </message>
    <message>
        <source>display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [%2]</source>
        <translation>Aufruf: %1 [Optionen] [%2]</translation>
    </message>
    <message>
        <source>Runs the cellular automaton B3/S23 on a bounded 30 x 30 board.</source>
        <translation>Lässt den zellulären Automaten B3/S23 auf einem begrenzten Spielfeld von 30 × 30 laufen.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>A pattern to open, in RLE or plaintext.</source>
        <translation>Ein zu öffnendes Muster, in RLE oder Klartext.</translation>
    </message>
    <message>
        <source>Give one file at most.</source>
        <translation>Höchstens eine Datei angeben.</translation>
    </message>
    <message>
        <source>Prints what is on the board that FILE makes, object by object, and what becomes of it, without opening the window.</source>
        <translation>Gibt aus, was DATEI auf das Spielfeld bringt, Objekt für Objekt, und was daraus wird, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Give the file to describe.</source>
        <translation>Geben Sie die zu beschreibende Datei an.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>AUSGABE</translation>
    </message>
    <message>
        <source>Saves a picture of the board that FILE makes, for OUT ending in .png, or an animation of its run, for .gif, without opening the window.</source>
        <translation>Speichert ein Bild des Spielfelds, das DATEI ergibt, für eine AUSGABE auf .png, oder eine Animation seines Laufs, für .gif, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>With --export: the picture&apos;s size, 1 to 8 times the board&apos;s pixels; 1 if not given.</source>
        <translation>Mit --export: die Größe des Bildes, das 1- bis 8-Fache der Pixel des Spielfelds; ohne Angabe 1.</translation>
    </message>
    <message>
        <source>With --export: shows where life has been since the start.</source>
        <translation>Mit --export: zeigt, wo seit dem Anfang Leben war.</translation>
    </message>
    <message>
        <source>Give the file to export.</source>
        <translation>Die zu exportierende Datei angeben.</translation>
    </message>
    <message>
        <source>--steps takes a number from 0 to 1000.</source>
        <translation>--steps nimmt eine Zahl von 0 bis 1000.</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to 8.</source>
        <translation>--scale nimmt eine Zahl von 1 bis 8.</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>Das Bild ließ sich nicht erstellen.</translation>
    </message>
    <message>
        <source>Could not export “%1”.</source>
        <translation>„%1“ ließ sich nicht exportieren.</translation>
    </message>
    <message>
        <source>A picture is saved as .png and an animation as .gif: give a name that ends in one of them.</source>
        <translation>Ein Bild wird als .png und eine Animation als .gif gespeichert: einen Namen angeben, der auf eines davon endet.</translation>
    </message>
    <message>
        <source>With --export: the generations the animation shows, 0 to 1000, as far as the board&apos;s fate if not given; for a picture, the generation it shows, the start if not given.</source>
        <translation>Mit --export: die Generationen, die die Animation zeigt, 0 bis 1000, ohne Angabe bis zum Schicksal des Spielfelds; für ein Bild die Generation, die es zeigt, ohne Angabe der Anfang.</translation>
    </message>
    <message>
        <source>It is the pattern file itself: give another name for the picture.</source>
        <translation>Es ist die Musterdatei selbst: Geben Sie dem Bild einen anderen Namen.</translation>
    </message>
    <message>
        <source>With --export: puts the graph of the live cells at each step beside the board, in a picture or an animation.</source>
        <translation>Mit --export: stellt die Grafik der lebenden Zellen bei jedem Schritt neben das Spielfeld, in einem Bild oder einer Animation.</translation>
    </message>
    <message>
        <source>With --export to a .png: the graph of the live cells at each step alone, from the start to the board&apos;s fate.</source>
        <translation>Mit --export in eine .png: nur die Grafik der lebenden Zellen bei jedem Schritt, vom Anfang bis zum Schicksal des Spielfelds.</translation>
    </message>
    <message>
        <source>--steps, --scale, --trail, --graph and --graph-only go with --export.</source>
        <translation>--steps, --scale, --trail, --graph und --graph-only gehören zu --export.</translation>
    </message>
    <message>
        <source>--graph and --graph-only do not go together: give one of them.</source>
        <translation>--graph und --graph-only passen nicht zusammen: Geben Sie eines davon an.</translation>
    </message>
    <message>
        <source>--graph-only makes a picture: give a name ending in .png.</source>
        <translation>--graph-only macht ein Bild: Geben Sie einen Namen an, der auf .png endet.</translation>
    </message>
    <message>
        <source>Prints the moments of the run of the board that FILE makes, one a line from the start to its fate, without opening the window.</source>
        <translation>Gibt die Momente des Laufs aus, den DATEI auf dem Spielfeld beginnt, einen je Zeile vom Anfang bis zu seinem Schicksal, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Give the file to tell the moments of.</source>
        <translation>Geben Sie die Datei an, deren Momente erzählt werden sollen.</translation>
    </message>
    <message>
        <source>--describe, --moments and --export do not go together: give one of them.</source>
        <translation>--describe, --moments und --export passen nicht zusammen: Geben Sie eines davon an.</translation>
    </message>
</context>
<context>
    <name>quarn::Announcer</name>
    <message numerus="yes">
        <source>%n live</source>
        <translation>
            <numerusform>%n lebend</numerusform>
            <numerusform>%n lebend</numerusform>
        </translation>
    </message>
    <message>
        <source>live</source>
        <translation>lebend</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Stopped at step %1</source>
        <translation>Angehalten bei Schritt %1</translation>
    </message>
    <message>
        <source>%1: step %2, %3</source>
        <translation>%1: Schritt %2, %3</translation>
    </message>
    <message>
        <source>Step %1, %2</source>
        <translation>Schritt %1, %2</translation>
    </message>
</context>
<context>
    <name>quarn::BoardObjects</name>
    <message>
        <source>Cursor on row %1, column %2.</source>
        <translation>Cursor in Zeile %1, Spalte %2.</translation>
    </message>
    <message numerus="yes">
        <source>Life has reached %n of %1 cells.</source>
        <translation>
            <numerusform>Das Leben hat %n von %1 Zellen erreicht.</numerusform>
            <numerusform>Das Leben hat %n von %1 Zellen erreicht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::ExportDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Generationen:</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>„%1“ gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Das Spielfeld</translation>
    </message>
    <message>
        <source>The board and its graph</source>
        <translation>Das Spielfeld und seine Grafik</translation>
    </message>
    <message>
        <source>The graph alone</source>
        <translation>Nur die Grafik</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
</context>
<context>
    <name>quarn::History</name>
    <message>
        <source>All On</source>
        <translation>Alle an</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Alle aus</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 Schritt</translation>
    </message>
    <message>
        <source>Load Pattern</source>
        <translation>Muster laden</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Go Back to Step %1</source>
        <translation>Zurück zu Schritt %1</translation>
    </message>
    <message>
        <source>Go to Step %1</source>
        <translation>Zu Schritt %1</translation>
    </message>
</context>
<context>
    <name>quarn::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>&amp;Beispiel öffnen</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse…</source>
        <translation>&amp;Tasten und Maus…</translation>
    </message>
    <message>
        <source>&amp;About Game of Quarn</source>
        <translation>Ü&amp;ber Game of Quarn</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Click a cell, any button</source>
        <translation>Klick auf eine Zelle, jede Taste</translation>
    </message>
    <message>
        <source>Switch it on or off</source>
        <translation>Schaltet sie ein oder aus</translation>
    </message>
    <message>
        <source>Drag from a cell</source>
        <translation>Von einer Zelle aus ziehen</translation>
    </message>
    <message>
        <source>Set every cell passed over as the first went: draw or erase</source>
        <translation>Setzt jede überstrichene Zelle wie die erste: zeichnen oder löschen</translation>
    </message>
    <message>
        <source>Drop a file or text</source>
        <translation>Eine Datei oder Text ablegen</translation>
    </message>
    <message>
        <source>Load the pattern</source>
        <translation>Lädt das Muster</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Auf dem Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the cursor cell</source>
        <translation>Bewegen die Cursorzelle</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>First or last column</source>
        <translation>Erste oder letzte Spalte</translation>
    </message>
    <message>
        <source>Ctrl+Home, Ctrl+End</source>
        <translation>Strg+Pos1, Strg+Ende</translation>
    </message>
    <message>
        <source>First or last cell</source>
        <translation>Erste oder letzte Zelle</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>Ten rows up or down</source>
        <translation>Zehn Zeilen nach oben oder unten</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Eingabe</translation>
    </message>
    <message>
        <source>Switch the cursor cell on or off</source>
        <translation>Schaltet die Cursorzelle ein oder aus</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Say the step and the live cells, with a screen reader</source>
        <translation>Nennt mit einem Bildschirmleser den Schritt und die lebenden Zellen</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>On to the buttons, and back</source>
        <translation>Weiter zu den Schaltflächen und zurück</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Überall</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Drückt die Schaltfläche mit dem Fokus</translation>
    </message>
    <message>
        <source>Open a pattern</source>
        <translation>Ein Muster öffnen</translation>
    </message>
    <message>
        <source>Save the board as a pattern</source>
        <translation>Das Spielfeld als Muster speichern</translation>
    </message>
    <message>
        <source>Copy the board as RLE</source>
        <translation>Das Spielfeld als RLE kopieren</translation>
    </message>
    <message>
        <source>Load the pattern on the clipboard</source>
        <translation>Das Muster aus der Zwischenablage laden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Die Menüs öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Tasten und Maus</translation>
    </message>
    <message>
        <source>About Game of Quarn</source>
        <translation>Über Game of Quarn</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Game of Quarn %1&lt;/h3&gt;&lt;p&gt;Runs a cellular automaton on a bounded board of 30 × 30 cells.&lt;/p&gt;&lt;p&gt;A dead cell with exactly three live neighbours is born; a live cell with two or three live neighbours stays alive; every other cell is dead in the next generation. Past the edge of the board, every cell is dead.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Game of Quarn %1&lt;/h3&gt;&lt;p&gt;Lässt einen zellulären Automaten auf einem begrenzten Spielfeld von 30 × 30 Zellen laufen.&lt;/p&gt;&lt;p&gt;Eine tote Zelle mit genau drei lebenden Nachbarn wird geboren; eine lebende Zelle mit zwei oder drei lebenden Nachbarn bleibt am Leben; jede andere Zelle ist in der nächsten Generation tot. Jenseits des Spielfeldrands ist jede Zelle tot.&lt;/p&gt;&lt;p&gt;Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekte</translation>
    </message>
    <message>
        <source>Rest the pointer on an object</source>
        <translation>Den Zeiger auf einem Objekt ruhen lassen</translation>
    </message>
    <message>
        <source>What it is and where, in a tip</source>
        <translation>Was es ist und wo, in einem Hinweis</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>N, Shift+N</source>
        <translation>N, Umschalt+N</translation>
    </message>
    <message>
        <source>The objects on the board, in a window of their own</source>
        <translation>Die Objekte auf dem Spielfeld, in einem eigenen Fenster</translation>
    </message>
    <message>
        <source>Say what is on the board and what becomes of it, and show it in a tip</source>
        <translation>Sagen, was auf dem Spielfeld ist und was daraus wird, und es in einem Tipp zeigen</translation>
    </message>
    <message>
        <source>To the next or the previous object: say what it is, and show it in a tip</source>
        <translation>Zum nächsten oder vorigen Objekt: sagen, was es ist, und es in einem Tipp zeigen</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Bevölkerung</translation>
    </message>
    <message>
        <source>The population graph</source>
        <translation>Die Kurve der Bevölkerung</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <source>The step before or after, said</source>
        <translation>Der Schritt davor oder danach, gesagt</translation>
    </message>
    <message>
        <source>The first or the last step</source>
        <translation>Der erste oder der letzte Schritt</translation>
    </message>
    <message>
        <source>A tenth of the steps back or on</source>
        <translation>Ein Zehntel der Schritte zurück oder weiter</translation>
    </message>
    <message>
        <source>H, L</source>
        <translation>H, L</translation>
    </message>
    <message>
        <source>The highest or the lowest point</source>
        <translation>Der höchste oder der tiefste Punkt</translation>
    </message>
    <message>
        <source>Say the summary: the start, the highest, the lowest, now</source>
        <translation>Die Übersicht sagen: der Anfang, das Höchste, das Tiefste, jetzt</translation>
    </message>
    <message>
        <source>Copy the steps as CSV, for a spreadsheet</source>
        <translation>Die Schritte als CSV kopieren, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>The live cells at each step, in a graph</source>
        <translation>Die lebenden Zellen bei jedem Schritt, als Kurve</translation>
    </message>
    <message>
        <source>Export &amp;Picture…</source>
        <translation>&amp;Bild exportieren…</translation>
    </message>
    <message>
        <source>Export A&amp;nimation…</source>
        <translation>A&amp;nimation exportieren…</translation>
    </message>
    <message>
        <source>&amp;Trail</source>
        <translation>&amp;Spur</translation>
    </message>
    <message>
        <source>Show where life has been since the last fill or load</source>
        <translation>Zeigen, wo seit dem letzten Füllen oder Laden Leben war</translation>
    </message>
    <message>
        <source>&amp;Sound While Running</source>
        <translation>&amp;Ton beim Laufen</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Hear the graph as tones, higher for more cells; P again or Escape stops</source>
        <translation>Die Kurve als Töne hören, höher für mehr Zellen; P noch einmal oder Esc hält an</translation>
    </message>
    <message>
        <source>Hear each generation of a run as a tone</source>
        <translation>Jede Generation eines Laufs als Ton hören</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Run the board, or stop it, as Go and Stop do</source>
        <translation>Das Spielfeld laufen lassen oder anhalten, wie Los und Stopp</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Say why the cursor cell lives or dies at the next step, and show it in a tip</source>
        <translation>Sagen, warum die Cursorzelle beim nächsten Schritt lebt oder stirbt, und es in einem Tipp zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Generation</source>
        <translation>&amp;Nächste Generation</translation>
    </message>
    <message>
        <source>Rest the pointer on a cell, with the next generation shown</source>
        <translation>Den Zeiger auf einer Zelle ruhen lassen, bei eingeblendeter nächster Generation</translation>
    </message>
    <message>
        <source>Why it lives or dies at the next step, in a tip</source>
        <translation>Warum sie beim nächsten Schritt lebt oder stirbt, in einem Hinweis</translation>
    </message>
    <message>
        <source>Mark the cells about to be born with a ring, those about to die with a cross</source>
        <translation>Die Zellen, die geboren werden, mit einem Ring markieren, die sterben werden, mit einem Kreuz</translation>
    </message>
    <message>
        <source>M, Shift+M</source>
        <translation>M, Umschalt+M</translation>
    </message>
    <message>
        <source>Run the board to the next moment of its run and say it; back to the moment before</source>
        <translation>Das Spielfeld bis zum nächsten Moment seines Laufs laufen lassen und ihn sagen; zurück zum Moment davor</translation>
    </message>
    <message>
        <source>&amp;Moments</source>
        <translation>&amp;Momente</translation>
    </message>
    <message>
        <source>The moments of the run, in a list: Enter takes the board to one</source>
        <translation>Die Momente des Laufs in einer Liste: Eingabe bringt das Spielfeld zu einem davon</translation>
    </message>
    <message>
        <source>The next or the previous moment of the run, said</source>
        <translation>Der nächste oder der vorige Moment des Laufs, gesagt</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Take the board to the marked step</source>
        <translation>Das Spielfeld zum markierten Schritt bringen</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsModel</name>
    <message>
        <source>Passed. %1</source>
        <translation>Vorbei. %1</translation>
    </message>
    <message>
        <source>Ahead. %1</source>
        <translation>Voraus. %1</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsTour</name>
    <message>
        <source>No moment ahead.</source>
        <translation>Kein Moment mehr voraus.</translation>
    </message>
    <message>
        <source>No moment before: this is where the way began.</source>
        <translation>Kein Moment davor: Hier begann der Weg.</translation>
    </message>
    <message>
        <source>Next, at step %1: %2</source>
        <translation>Als Nächstes, bei Schritt %1: %2</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsWindow</name>
    <message>
        <source>Moments</source>
        <translation>Momente</translation>
    </message>
    <message>
        <source>The moments of the run, from its start or the last edit to its fate. Enter takes the board to one.</source>
        <translation>Die Momente des Laufs, vom Anfang oder der letzten Änderung bis zu seinem Schicksal. Eingabe bringt das Spielfeld zu einem davon.</translation>
    </message>
    <message>
        <source>Finding the moments of the run…</source>
        <translation>Die Momente des Laufs werden gesucht…</translation>
    </message>
</context>
<context>
    <name>quarn::ObjectsWindow</name>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
</context>
<context>
    <name>quarn::PatternFile</name>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Could not open “%1”.</source>
        <translation>„%1“ ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 is not a pattern the board can take.</source>
        <translation>%1 ist kein Muster, das das Spielfeld aufnehmen kann.</translation>
    </message>
</context>
<context>
    <name>quarn::PatternFileReader</name>
    <message>
        <source>The file is larger than 1 MiB, far more than any pattern for this board needs.</source>
        <translation>Die Datei ist größer als 1 MiB, weit mehr, als irgendein Muster für dieses Spielfeld braucht.</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, and was lost on the way here.</source>
        <translation>Ihr Name ist kein gültiges UTF-8 und ging auf dem Weg hierher verloren.</translation>
    </message>
    <message>
        <source>There is no folder “%1”.</source>
        <translation>Es gibt keinen Ordner „%1“.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe, and nothing came through it for %n seconds.</source>
        <translation>
            <numerusform>Es ist eine Pipe, und %n Sekunde lang kam nichts durch.</numerusform>
            <numerusform>Es ist eine Pipe, und %n Sekunden lang kam nichts durch.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe that stopped sending after %n bytes: nothing more came for %1 seconds.</source>
        <translation>
            <numerusform>Es ist eine Pipe, die nach %n Byte nichts mehr sandte: %1 Sekunden lang kam nichts nach.</numerusform>
            <numerusform>Es ist eine Pipe, die nach %n Bytes nichts mehr sandte: %1 Sekunden lang kam nichts nach.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PatternTransfer</name>
    <message>
        <source>Patterns (*.rle *.cells *.txt);;All files (*)</source>
        <translation>Muster (*.rle *.cells *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>RLE pattern (*.rle)</source>
        <translation>RLE-Muster (*.rle)</translation>
    </message>
    <message>
        <source>Plaintext pattern (*.cells)</source>
        <translation>Klartext-Muster (*.cells)</translation>
    </message>
    <message>
        <source>The dropped text</source>
        <translation>Der abgelegte Text</translation>
    </message>
    <message>
        <source>The text on the clipboard</source>
        <translation>Der Text in der Zwischenablage</translation>
    </message>
    <message>
        <source>Could not open the example “%1”.</source>
        <translation>Das Beispiel „%1“ ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The example “%1”</source>
        <translation>Das Beispiel „%1“</translation>
    </message>
    <message>
        <source>Open Pattern</source>
        <translation>Muster öffnen</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Muster speichern</translation>
    </message>
    <message>
        <source>Could not save “%1”.</source>
        <translation>„%1“ ließ sich nicht speichern.</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>Copied the board as a pattern.</source>
        <translation>Das Spielfeld wurde als Muster kopiert.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>quarn::PictureExport</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Making the animation…</source>
        <translation>Die Animation entsteht…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>board</source>
        <translation>spielfeld</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>Das Bild ließ sich nicht erstellen.</translation>
    </message>
    <message>
        <source>Could not export “%1”.</source>
        <translation>„%1“ ließ sich nicht exportieren.</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n pictures.</source>
        <translation>
            <numerusform>%1 gespeichert: %n Bild.</numerusform>
            <numerusform>%1 gespeichert: %n Bilder.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PopulationGraph</name>
    <message>
        <source>and on</source>
        <translation>und weiter</translation>
    </message>
    <message>
        <source>%1 And on.</source>
        <translation>%1 Und so weiter.</translation>
    </message>
    <message>
        <source>Copied the steps as CSV.</source>
        <translation>Die Schritte wurden als CSV kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1, ahead: %n live cells.</source>
        <translation>
            <numerusform>Schritt %1, voraus: %n lebende Zelle.</numerusform>
            <numerusform>Schritt %1, voraus: %n lebende Zellen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %n live cells, %2 born, %3 died.</source>
        <translation>
            <numerusform>Schritt %1: %n lebende Zelle, %2 geboren, %3 gestorben.</numerusform>
            <numerusform>Schritt %1: %n lebende Zellen, %2 geboren, %3 gestorben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At step %1: %n live cells.</source>
        <translation>
            <numerusform>Bei Schritt %1: %n lebende Zelle.</numerusform>
            <numerusform>Bei Schritt %1: %n lebende Zellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>From step %1 to step %2: %3, at most %4 at step %5, at least %6 at step %7, %8 now.</source>
        <translation>Von Schritt %1 bis Schritt %2: %3, höchstens %4 bei Schritt %5, mindestens %6 bei Schritt %7, jetzt %8.</translation>
    </message>
    <message numerus="yes">
        <source>%n live cells at the start</source>
        <translation>
            <numerusform>%n lebende Zelle am Anfang</numerusform>
            <numerusform>%n lebende Zellen am Anfang</numerusform>
        </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Live cells</source>
        <translation>Lebende Zellen</translation>
    </message>
    <message>
        <source>No moment before this step.</source>
        <translation>Kein Moment vor diesem Schritt.</translation>
    </message>
    <message>
        <source>No moment after this step.</source>
        <translation>Kein Moment nach diesem Schritt.</translation>
    </message>
</context>
<context>
    <name>quarn::PopulationWindow</name>
    <message>
        <source>Population</source>
        <translation>Bevölkerung</translation>
    </message>
</context>
<context>
    <name>quarn::RuleAtWork</name>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it is born at the next step.</source>
        <translation>
            <numerusform>Zeile %1, Spalte %2: tot, %n lebender Nachbar: sie wird beim nächsten Schritt geboren.</numerusform>
            <numerusform>Zeile %1, Spalte %2: tot, %n lebende Nachbarn: sie wird beim nächsten Schritt geboren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it stays dead.</source>
        <translation>
            <numerusform>Zeile %1, Spalte %2: tot, %n lebender Nachbar: sie bleibt tot.</numerusform>
            <numerusform>Zeile %1, Spalte %2: tot, %n lebende Nachbarn: sie bleibt tot.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it lives on.</source>
        <translation>
            <numerusform>Zeile %1, Spalte %2: lebend, %n lebender Nachbar: sie lebt weiter.</numerusform>
            <numerusform>Zeile %1, Spalte %2: lebend, %n lebende Nachbarn: sie lebt weiter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with fewer than 2.</source>
        <translation>
            <numerusform>Zeile %1, Spalte %2: lebend, %n lebender Nachbar: sie stirbt beim nächsten Schritt, mit weniger als 2.</numerusform>
            <numerusform>Zeile %1, Spalte %2: lebend, %n lebende Nachbarn: sie stirbt beim nächsten Schritt, mit weniger als 2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with more than 3.</source>
        <translation>
            <numerusform>Zeile %1, Spalte %2: lebend, %n lebender Nachbar: sie stirbt beim nächsten Schritt, mit mehr als 3.</numerusform>
            <numerusform>Zeile %1, Spalte %2: lebend, %n lebende Nachbarn: sie stirbt beim nächsten Schritt, mit mehr als 3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of its 8 neighbours are on the board: the cells beyond the edge are always dead.</source>
        <translation>
            <numerusform>Nur %n ihrer 8 Nachbarn liegt auf dem Spielfeld: Die Zellen jenseits des Randes sind immer tot.</numerusform>
            <numerusform>Nur %n ihrer 8 Nachbarn liegen auf dem Spielfeld: Die Zellen jenseits des Randes sind immer tot.</numerusform>
        </translation>
    </message>
    <message>
        <source>At the next step %1 and %2.</source>
        <translation>Beim nächsten Schritt %1 und %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells are born</source>
        <translation>
            <numerusform>wird %n Zelle geboren</numerusform>
            <numerusform>werden %n Zellen geboren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n stirbt</numerusform>
            <numerusform>%n sterben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::SoundPlayer</name>
    <message>
        <source>No sound output is available.</source>
        <translation>Keine Tonausgabe verfügbar.</translation>
    </message>
</context>
<context>
    <name>quarn::frmDisplay</name>
    <message>
        <source>Steps: %1</source>
        <translation>Schritte: %1</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Alle an</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Alle aus</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 Schritt</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>All on</source>
        <translation>Alle an</translation>
    </message>
    <message>
        <source>All off</source>
        <translation>Alle aus</translation>
    </message>
    <message>
        <source>Pattern loaded</source>
        <translation>Muster geladen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Trail shown.</source>
        <translation>Spur eingeblendet.</translation>
    </message>
    <message>
        <source>Trail hidden.</source>
        <translation>Spur ausgeblendet.</translation>
    </message>
    <message>
        <source>Sound while running on.</source>
        <translation>Ton beim Laufen an.</translation>
    </message>
    <message>
        <source>Sound while running off.</source>
        <translation>Ton beim Laufen aus.</translation>
    </message>
    <message>
        <source>Next generation shown.</source>
        <translation>Nächste Generation eingeblendet.</translation>
    </message>
    <message>
        <source>Next generation hidden.</source>
        <translation>Nächste Generation ausgeblendet.</translation>
    </message>
    <message>
        <source>Running to step %1.</source>
        <translation>Läuft bis Schritt %1.</translation>
    </message>
    <message>
        <source>Step %1 came before the board was last changed, at step %2: undo goes back past it.</source>
        <translation>Schritt %1 lag vor der letzten Änderung des Spielfelds bei Schritt %2: Rückgängig geht darüber hinaus zurück.</translation>
    </message>
    <message>
        <source>The count goes no further than step %1.</source>
        <translation>Die Zählung reicht nicht weiter als Schritt %1.</translation>
    </message>
</context>
</TS>
