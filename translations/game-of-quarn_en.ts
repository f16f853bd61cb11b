<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BoardAccessible</name>
    <message numerus="yes">
        <source>%1 rows of %2 cells, each live or dead; %n live</source>
        <translation>
            <numerusform>%1 rows of %2 cells, each live or dead; %n live</numerusform>
            <numerusform>%1 rows of %2 cells, each live or dead; %n live</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Census</name>
    <message numerus="yes">
        <source>%n blocks</source>
        <translation>
            <numerusform>a block</numerusform>
            <numerusform>%n blocks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beehives</source>
        <translation>
            <numerusform>a beehive</numerusform>
            <numerusform>%n beehives</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loaves</source>
        <translation>
            <numerusform>a loaf</numerusform>
            <numerusform>%n loaves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boats</source>
        <translation>
            <numerusform>a boat</numerusform>
            <numerusform>%n boats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ships</source>
        <translation>
            <numerusform>a ship</numerusform>
            <numerusform>%n ships</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tubs</source>
        <translation>
            <numerusform>a tub</numerusform>
            <numerusform>%n tubs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ponds</source>
        <translation>
            <numerusform>a pond</numerusform>
            <numerusform>%n ponds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barges</source>
        <translation>
            <numerusform>a barge</numerusform>
            <numerusform>%n barges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long boats</source>
        <translation>
            <numerusform>a long boat</numerusform>
            <numerusform>%n long boats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snakes</source>
        <translation>
            <numerusform>a snake</numerusform>
            <numerusform>%n snakes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aircraft carriers</source>
        <translation>
            <numerusform>an aircraft carrier</numerusform>
            <numerusform>%n aircraft carriers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fishhooks</source>
        <translation>
            <numerusform>a fishhook</numerusform>
            <numerusform>%n fishhooks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long barges</source>
        <translation>
            <numerusform>a long barge</numerusform>
            <numerusform>%n long barges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blinkers</source>
        <translation>
            <numerusform>a blinker</numerusform>
            <numerusform>%n blinkers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n toads</source>
        <translation>
            <numerusform>a toad</numerusform>
            <numerusform>%n toads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beacons</source>
        <translation>
            <numerusform>a beacon</numerusform>
            <numerusform>%n beacons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>a clock</numerusform>
            <numerusform>%n clocks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pulsars</source>
        <translation>
            <numerusform>a pulsar</numerusform>
            <numerusform>%n pulsars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pentadecathlons</source>
        <translation>
            <numerusform>a pentadecathlon</numerusform>
            <numerusform>%n pentadecathlons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n figure eights</source>
        <translation>
            <numerusform>a figure eight</numerusform>
            <numerusform>%n figure eights</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gliders</source>
        <translation>
            <numerusform>a glider</numerusform>
            <numerusform>%n gliders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lightweight ships</source>
        <translation>
            <numerusform>a lightweight ship</numerusform>
            <numerusform>%n lightweight ships</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n middleweight ships</source>
        <translation>
            <numerusform>a middleweight ship</numerusform>
            <numerusform>%n middleweight ships</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heavyweight ships</source>
        <translation>
            <numerusform>a heavyweight ship</numerusform>
            <numerusform>%n heavyweight ships</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lone cells</source>
        <translation>
            <numerusform>a lone cell</numerusform>
            <numerusform>%n lone cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changing groups of %1</source>
        <translation>
            <numerusform>a changing group of %1</numerusform>
            <numerusform>%n changing groups of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ships of period %1, %2</source>
        <translation>
            <numerusform>a ship of period %1, %2</numerusform>
            <numerusform>%n ships of period %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still lifes of %1</source>
        <translation>
            <numerusform>a still life of %1</numerusform>
            <numerusform>%n still lifes of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n oscillators of period %1, %2</source>
        <translation>
            <numerusform>an oscillator of period %1, %2</numerusform>
            <numerusform>%n oscillators of period %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>1 cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, all of them one changing group.</source>
        <translation>
            <numerusform>1 live cell, all of it one changing group.</numerusform>
            <numerusform>%n live cells, all of them one changing group.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, most of them one changing group of %1; besides it, %2.</source>
        <translation>
            <numerusform>1 live cell, most of it one changing group of %1; besides it, %2.</numerusform>
            <numerusform>%n live cells, most of them one changing group of %1; besides it, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n objects</source>
        <translation>
            <numerusform>1 object</numerusform>
            <numerusform>%n objects</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells in %1: %2.</source>
        <translation>
            <numerusform>1 live cell in %1: %2.</numerusform>
            <numerusform>%n live cells in %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board has repeated every %n steps since step %1, as %2.</source>
        <translation>
            <numerusform>The board has repeated every step since step %1, as %2.</numerusform>
            <numerusform>The board has repeated every %n steps since step %1, as %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board repeats every %n steps from step %1, as %2.</source>
        <translation>
            <numerusform>The board repeats every step from step %1, as %2.</numerusform>
            <numerusform>The board repeats every %n steps from step %1, as %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board is still changing after %n steps.</source>
        <translation>
            <numerusform>The board is still changing after 1 step.</numerusform>
            <numerusform>The board is still changing after %n steps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the most live cells, %n.</source>
        <translation>
            <numerusform>the most live cells, %n.</numerusform>
            <numerusform>the most live cells, %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n less telling moments are left out.</source>
        <translation>
            <numerusform>%1 %n less telling moment is left out.</numerusform>
            <numerusform>%1 %n less telling moments are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the board starts repeating every %n steps, as %1.</source>
        <translation>
            <numerusform>the board starts repeating every step, as %1.</numerusform>
            <numerusform>the board starts repeating every %n steps, as %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::Announcer</name>
    <message numerus="yes">
        <source>%n live</source>
        <translation>
            <numerusform>%n live</numerusform>
            <numerusform>%n live</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::BoardObjects</name>
    <message numerus="yes">
        <source>Life has reached %n of %1 cells.</source>
        <translation>
            <numerusform>Life has reached %n of %1 cells.</numerusform>
            <numerusform>Life has reached %n of %1 cells.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PatternFileReader</name>
    <message numerus="yes">
        <source>It is a pipe, and nothing came through it for %n seconds.</source>
        <translation>
            <numerusform>It is a pipe, and nothing came through it for 1 second.</numerusform>
            <numerusform>It is a pipe, and nothing came through it for %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe that stopped sending after %n bytes: nothing more came for %1 seconds.</source>
        <translation>
            <numerusform>It is a pipe that stopped sending after 1 byte: nothing more came for %1 seconds.</numerusform>
            <numerusform>It is a pipe that stopped sending after %n bytes: nothing more came for %1 seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PictureExport</name>
    <message numerus="yes">
        <source>Saved %1: %n pictures.</source>
        <translation>
            <numerusform>Saved %1: 1 picture.</numerusform>
            <numerusform>Saved %1: %n pictures.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PopulationGraph</name>
    <message numerus="yes">
        <source>Step %1, ahead: %n live cells.</source>
        <translation>
            <numerusform>Step %1, ahead: 1 live cell.</numerusform>
            <numerusform>Step %1, ahead: %n live cells.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %n live cells, %2 born, %3 died.</source>
        <translation>
            <numerusform>Step %1: 1 live cell, %2 born, %3 died.</numerusform>
            <numerusform>Step %1: %n live cells, %2 born, %3 died.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At step %1: %n live cells.</source>
        <translation>
            <numerusform>At step %1: 1 live cell.</numerusform>
            <numerusform>At step %1: %n live cells.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells at the start</source>
        <translation>
            <numerusform>1 live cell at the start</numerusform>
            <numerusform>%n live cells at the start</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::RuleAtWork</name>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it is born at the next step.</source>
        <translation>
            <numerusform>Row %1, column %2: dead, %n live neighbour: it is born at the next step.</numerusform>
            <numerusform>Row %1, column %2: dead, %n live neighbours: it is born at the next step.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it stays dead.</source>
        <translation>
            <numerusform>Row %1, column %2: dead, %n live neighbour: it stays dead.</numerusform>
            <numerusform>Row %1, column %2: dead, %n live neighbours: it stays dead.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it lives on.</source>
        <translation>
            <numerusform>Row %1, column %2: live, %n live neighbour: it lives on.</numerusform>
            <numerusform>Row %1, column %2: live, %n live neighbours: it lives on.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with fewer than 2.</source>
        <translation>
            <numerusform>Row %1, column %2: live, %n live neighbour: it dies at the next step, with fewer than 2.</numerusform>
            <numerusform>Row %1, column %2: live, %n live neighbours: it dies at the next step, with fewer than 2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with more than 3.</source>
        <translation>
            <numerusform>Row %1, column %2: live, %n live neighbour: it dies at the next step, with more than 3.</numerusform>
            <numerusform>Row %1, column %2: live, %n live neighbours: it dies at the next step, with more than 3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of its 8 neighbours are on the board: the cells beyond the edge are always dead.</source>
        <translation>
            <numerusform>Only %n of its 8 neighbours is on the board: the cells beyond the edge are always dead.</numerusform>
            <numerusform>Only %n of its 8 neighbours are on the board: the cells beyond the edge are always dead.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells are born</source>
        <translation>
            <numerusform>%n cell is born</numerusform>
            <numerusform>%n cells are born</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n dies</numerusform>
            <numerusform>%n die</numerusform>
        </translation>
    </message>
</context>
</TS>
