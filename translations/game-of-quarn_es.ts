<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of %2 cells, each live or dead; %n live</source>
        <translation>
            <numerusform>%1 filas de %2 celdas, cada una viva o muerta; %n viva</numerusform>
            <numerusform>%1 filas de %2 celdas, cada una viva o muerta; %n vivas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>live</source>
        <translation>viva</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>muerta</translation>
    </message>
    <message>
        <source>Row %1, column %2 of the %3</source>
        <translation>Fila %1, columna %2 del %3</translation>
    </message>
</context>
<context>
    <name>Census</name>
    <message>
        <source>up</source>
        <translation>hacia arriba</translation>
    </message>
    <message>
        <source>down</source>
        <translation>hacia abajo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>hacia la izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>hacia la derecha</translation>
    </message>
    <message>
        <source>up and to the left</source>
        <translation>hacia arriba y a la izquierda</translation>
    </message>
    <message>
        <source>up and to the right</source>
        <translation>hacia arriba y a la derecha</translation>
    </message>
    <message>
        <source>down and to the left</source>
        <translation>hacia abajo y a la izquierda</translation>
    </message>
    <message>
        <source>down and to the right</source>
        <translation>hacia abajo y a la derecha</translation>
    </message>
    <message>
        <source>Lone cell</source>
        <translation>Célula aislada</translation>
    </message>
    <message>
        <source>a lone cell</source>
        <translation>una célula aislada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3.</source>
        <translation>%1 en la fila %2, columna %3.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3, heading %4.</source>
        <translation>%1 en la fila %2, columna %3, que va %4.</translation>
    </message>
    <message>
        <source>The board is empty: no live cells.</source>
        <translation>El tablero está vacío: ninguna célula viva.</translation>
    </message>
    <message>
        <source>The board dies out at step %1.</source>
        <translation>El tablero se extingue en el paso %1.</translation>
    </message>
    <message>
        <source>The board settles at step %1 into %2.</source>
        <translation>El tablero se estabiliza en el paso %1: %2.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>a block</source>
        <translation>un bloque</translation>
    </message>
    <message>
        <source>Beehive</source>
        <translation>Colmena</translation>
    </message>
    <message>
        <source>a beehive</source>
        <translation>una colmena</translation>
    </message>
    <message>
        <source>Loaf</source>
        <translation>Hogaza</translation>
    </message>
    <message>
        <source>a loaf</source>
        <translation>una hogaza</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>a boat</source>
        <translation>un bote</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>a ship</source>
        <translation>un barco</translation>
    </message>
    <message>
        <source>Tub</source>
        <translation>Bañera</translation>
    </message>
    <message>
        <source>a tub</source>
        <translation>una bañera</translation>
    </message>
    <message>
        <source>Pond</source>
        <translation>Estanque</translation>
    </message>
    <message>
        <source>a pond</source>
        <translation>un estanque</translation>
    </message>
    <message>
        <source>Barge</source>
        <translation>Barcaza</translation>
    </message>
    <message>
        <source>a barge</source>
        <translation>una barcaza</translation>
    </message>
    <message>
        <source>Long boat</source>
        <translation>Bote largo</translation>
    </message>
    <message>
        <source>a long boat</source>
        <translation>un bote largo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>a snake</source>
        <translation>una serpiente</translation>
    </message>
    <message>
        <source>Aircraft carrier</source>
        <translation>Portaaviones</translation>
    </message>
    <message>
        <source>an aircraft carrier</source>
        <translation>un portaaviones</translation>
    </message>
    <message>
        <source>Fishhook</source>
        <translation>Anzuelo</translation>
    </message>
    <message>
        <source>a fishhook</source>
        <translation>un anzuelo</translation>
    </message>
    <message>
        <source>Long barge</source>
        <translation>Barcaza larga</translation>
    </message>
    <message>
        <source>a long barge</source>
        <translation>una barcaza larga</translation>
    </message>
    <message>
        <source>Blinker</source>
        <translation>Parpadeador</translation>
    </message>
    <message>
        <source>a blinker</source>
        <translation>un parpadeador</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Sapo</translation>
    </message>
    <message>
        <source>a toad</source>
        <translation>un sapo</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation>Faro</translation>
    </message>
    <message>
        <source>a beacon</source>
        <translation>un faro</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>a clock</source>
        <translation>un reloj</translation>
    </message>
    <message>
        <source>Pulsar</source>
        <translation>Púlsar</translation>
    </message>
    <message>
        <source>a pulsar</source>
        <translation>un púlsar</translation>
    </message>
    <message>
        <source>Pentadecathlon</source>
        <translation>Pentadecatlón</translation>
    </message>
    <message>
        <source>a pentadecathlon</source>
        <translation>un pentadecatlón</translation>
    </message>
    <message>
        <source>Figure eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>a figure eight</source>
        <translation>un ocho</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planeador</translation>
    </message>
    <message>
        <source>a glider</source>
        <translation>un planeador</translation>
    </message>
    <message>
        <source>Lightweight ship</source>
        <translation>Nave ligera</translation>
    </message>
    <message>
        <source>a lightweight ship</source>
        <translation>una nave ligera</translation>
    </message>
    <message>
        <source>Middleweight ship</source>
        <translation>Nave mediana</translation>
    </message>
    <message>
        <source>a middleweight ship</source>
        <translation>una nave mediana</translation>
    </message>
    <message>
        <source>Heavyweight ship</source>
        <translation>Nave pesada</translation>
    </message>
    <message>
        <source>a heavyweight ship</source>
        <translation>una nave pesada</translation>
    </message>
    <message>
        <source>The board died out at step %1.</source>
        <translation>El tablero se extinguió en el paso %1.</translation>
    </message>
    <message>
        <source>The board settled at step %1 into %2.</source>
        <translation>El tablero se estabilizó en el paso %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks</source>
        <translation>
            <numerusform>un bloque</numerusform>
            <numerusform>%n bloques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beehives</source>
        <translation>
            <numerusform>una colmena</numerusform>
            <numerusform>%n colmenas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loaves</source>
        <translation>
            <numerusform>una hogaza</numerusform>
            <numerusform>%n hogazas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boats</source>
        <translation>
            <numerusform>un bote</numerusform>
            <numerusform>%n botes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ships</source>
        <translation>
            <numerusform>un barco</numerusform>
            <numerusform>%n barcos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tubs</source>
        <translation>
            <numerusform>una bañera</numerusform>
            <numerusform>%n bañeras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ponds</source>
        <translation>
            <numerusform>un estanque</numerusform>
            <numerusform>%n estanques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barges</source>
        <translation>
            <numerusform>una barcaza</numerusform>
            <numerusform>%n barcazas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long boats</source>
        <translation>
            <numerusform>un bote largo</numerusform>
            <numerusform>%n botes largos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snakes</source>
        <translation>
            <numerusform>una serpiente</numerusform>
            <numerusform>%n serpientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aircraft carriers</source>
        <translation>
            <numerusform>un portaaviones</numerusform>
            <numerusform>%n portaaviones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fishhooks</source>
        <translation>
            <numerusform>un anzuelo</numerusform>
            <numerusform>%n anzuelos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long barges</source>
        <translation>
            <numerusform>una barcaza larga</numerusform>
            <numerusform>%n barcazas largas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blinkers</source>
        <translation>
            <numerusform>un parpadeador</numerusform>
            <numerusform>%n parpadeadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n toads</source>
        <translation>
            <numerusform>un sapo</numerusform>
            <numerusform>%n sapos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beacons</source>
        <translation>
            <numerusform>un faro</numerusform>
            <numerusform>%n faros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>un reloj</numerusform>
            <numerusform>%n relojes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pulsars</source>
        <translation>
            <numerusform>un púlsar</numerusform>
            <numerusform>%n púlsares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pentadecathlons</source>
        <translation>
            <numerusform>un pentadecatlón</numerusform>
            <numerusform>%n pentadecatlones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n figure eights</source>
        <translation>
            <numerusform>un ocho</numerusform>
            <numerusform>%n ochos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gliders</source>
        <translation>
            <numerusform>un planeador</numerusform>
            <numerusform>%n planeadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lightweight ships</source>
        <translation>
            <numerusform>una nave ligera</numerusform>
            <numerusform>%n naves ligeras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n middleweight ships</source>
        <translation>
            <numerusform>una nave mediana</numerusform>
            <numerusform>%n naves medianas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heavyweight ships</source>
        <translation>
            <numerusform>una nave pesada</numerusform>
            <numerusform>%n naves pesadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lone cells</source>
        <translation>
            <numerusform>una célula aislada</numerusform>
            <numerusform>%n células aisladas</numerusform>
        </translation>
    </message>
    <message>
        <source>Changing group of %1</source>
        <translation>Grupo cambiante de %1</translation>
    </message>
    <message>
        <source>a changing group of %1</source>
        <translation>un grupo cambiante de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n changing groups of %1</source>
        <translation>
            <numerusform>un grupo cambiante de %1</numerusform>
            <numerusform>%n grupos cambiantes de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Ship of period %1, %2</source>
        <translation>Nave de periodo %1, %2</translation>
    </message>
    <message>
        <source>a ship of period %1, %2</source>
        <translation>una nave de periodo %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ships of period %1, %2</source>
        <translation>
            <numerusform>una nave de periodo %1, %2</numerusform>
            <numerusform>%n naves de periodo %1, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Still life of %1</source>
        <translation>Vida estática de %1</translation>
    </message>
    <message>
        <source>a still life of %1</source>
        <translation>una vida estática de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n still lifes of %1</source>
        <translation>
            <numerusform>una vida estática de %1</numerusform>
            <numerusform>%n vidas estáticas de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Oscillator of period %1, %2</source>
        <translation>Oscilador de periodo %1, %2</translation>
    </message>
    <message>
        <source>an oscillator of period %1, %2</source>
        <translation>un oscilador de periodo %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n oscillators of period %1, %2</source>
        <translation>
            <numerusform>un oscilador de periodo %1, %2</numerusform>
            <numerusform>%n osciladores de periodo %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n célula</numerusform>
            <numerusform>%n células</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, all of them one changing group.</source>
        <translation>
            <numerusform>%n célula viva, en un grupo cambiante.</numerusform>
            <numerusform>%n células vivas, todas en un mismo grupo cambiante.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, most of them one changing group of %1; besides it, %2.</source>
        <translation>
            <numerusform>%n célula viva, en un grupo cambiante de %1; además, %2.</numerusform>
            <numerusform>%n células vivas, la mayoría en un grupo cambiante de %1; además, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n objects</source>
        <translation>
            <numerusform>%n objeto</numerusform>
            <numerusform>%n objetos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells in %1: %2.</source>
        <translation>
            <numerusform>%n célula viva en %1: %2.</numerusform>
            <numerusform>%n células vivas en %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board has repeated every %n steps since step %1, as %2.</source>
        <translation>
            <numerusform>El tablero se viene repitiendo a cada paso desde el paso %1: %2.</numerusform>
            <numerusform>El tablero se viene repitiendo cada %n pasos desde el paso %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board repeats every %n steps from step %1, as %2.</source>
        <translation>
            <numerusform>El tablero se repite a cada paso desde el paso %1: %2.</numerusform>
            <numerusform>El tablero se repite cada %n pasos desde el paso %1: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board is still changing after %n steps.</source>
        <translation>
            <numerusform>El tablero sigue cambiando tras %n paso.</numerusform>
            <numerusform>El tablero sigue cambiando tras %n pasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>the block</source>
        <translation>el bloque</translation>
    </message>
    <message>
        <source>the beehive</source>
        <translation>la colmena</translation>
    </message>
    <message>
        <source>the loaf</source>
        <translation>la hogaza</translation>
    </message>
    <message>
        <source>the boat</source>
        <translation>el bote</translation>
    </message>
    <message>
        <source>the ship</source>
        <translation>el barco</translation>
    </message>
    <message>
        <source>the tub</source>
        <translation>la bañera</translation>
    </message>
    <message>
        <source>the pond</source>
        <translation>el estanque</translation>
    </message>
    <message>
        <source>the barge</source>
        <translation>la barcaza</translation>
    </message>
    <message>
        <source>the long boat</source>
        <translation>el bote largo</translation>
    </message>
    <message>
        <source>the snake</source>
        <translation>la serpiente</translation>
    </message>
    <message>
        <source>the aircraft carrier</source>
        <translation>el portaaviones</translation>
    </message>
    <message>
        <source>the fishhook</source>
        <translation>el anzuelo</translation>
    </message>
    <message>
        <source>the long barge</source>
        <translation>la barcaza larga</translation>
    </message>
    <message>
        <source>the blinker</source>
        <translation>el parpadeador</translation>
    </message>
    <message>
        <source>the toad</source>
        <translation>el sapo</translation>
    </message>
    <message>
        <source>the beacon</source>
        <translation>el faro</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>el reloj</translation>
    </message>
    <message>
        <source>the pulsar</source>
        <translation>el púlsar</translation>
    </message>
    <message>
        <source>the pentadecathlon</source>
        <translation>el pentadecatlón</translation>
    </message>
    <message>
        <source>the figure eight</source>
        <translation>el ocho</translation>
    </message>
    <message>
        <source>the glider</source>
        <translation>el planeador</translation>
    </message>
    <message>
        <source>the lightweight ship</source>
        <translation>la nave ligera</translation>
    </message>
    <message>
        <source>the middleweight ship</source>
        <translation>la nave mediana</translation>
    </message>
    <message>
        <source>the heavyweight ship</source>
        <translation>la nave pesada</translation>
    </message>
    <message>
        <source>%1 from row %2, column %3</source>
        <translation>%1 de la fila %2, columna %3</translation>
    </message>
    <message numerus="yes">
        <source>the most live cells, %n.</source>
        <translation>
            <numerusform>el máximo de células vivas: %n.</numerusform>
            <numerusform>el máximo de células vivas: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n less telling moments are left out.</source>
        <translation>
            <numerusform>%1 Se omite %n momento menos destacado.</numerusform>
            <numerusform>%1 Se omiten %n momentos menos destacados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 meet at row %3, column %4.</source>
        <translation>%1 y %2 se encuentran en la fila %3, columna %4.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3 meets the edge.</source>
        <translation>%1 en la fila %2, columna %3 llega al borde.</translation>
    </message>
    <message>
        <source>%1 forms at row %2, column %3.</source>
        <translation>%1 se forma en la fila %2, columna %3.</translation>
    </message>
    <message>
        <source>%1 forms at row %2, column %3, heading %4.</source>
        <translation>%1 se forma en la fila %2, columna %3, y va %4.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 ha desaparecido.</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Paso %1: %2</translation>
    </message>
    <message>
        <source>the lone cell</source>
        <translation>la célula aislada</translation>
    </message>
    <message>
        <source>the changing group of %1</source>
        <translation>el grupo cambiante de %1</translation>
    </message>
    <message>
        <source>the ship of period %1, %2</source>
        <translation>la nave de periodo %1, %2</translation>
    </message>
    <message>
        <source>the still life of %1</source>
        <translation>la vida estática de %1</translation>
    </message>
    <message>
        <source>the oscillator of period %1, %2</source>
        <translation>el oscilador de periodo %1, %2</translation>
    </message>
    <message>
        <source>the board is empty.</source>
        <translation>el tablero está vacío.</translation>
    </message>
    <message>
        <source>the board dies out.</source>
        <translation>el tablero se extingue.</translation>
    </message>
    <message>
        <source>the board settles into %1.</source>
        <translation>el tablero se estabiliza: %1.</translation>
    </message>
    <message numerus="yes">
        <source>the board starts repeating every %n steps, as %1.</source>
        <translation>
            <numerusform>el tablero empieza a repetirse a cada paso: %1.</numerusform>
            <numerusform>el tablero empieza a repetirse cada %n pasos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the board is still changing.</source>
        <translation>el tablero sigue cambiando.</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Acorn</source>
        <translation>Bellota</translation>
    </message>
    <message>
        <source>Blinker, toad and beacon</source>
        <translation>Parpadeador, sapo y faro</translation>
    </message>
    <message>
        <source>Diehard</source>
        <translation>Diehard</translation>
    </message>
    <message>
        <source>Figure eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Glider collision</source>
        <translation>Choque de planeadores</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planeador</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Reloj de arena</translation>
    </message>
    <message>
        <source>Lightweight ship</source>
        <translation>Nave ligera</translation>
    </message>
    <message>
        <source>Pentadecathlon</source>
        <translation>Pentadecatlón</translation>
    </message>
    <message>
        <source>Pulsar</source>
        <translation>Púlsar</translation>
    </message>
    <message>
        <source>R-pentomino</source>
        <translation>R-pentominó</translation>
    </message>
    <message>
        <source>Still lifes</source>
        <translation>Vidas estáticas</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>The text is larger than 1 MiB, far more than any pattern for this board needs.</source>
        <translation>El texto ocupa más de 1 MiB, mucho más de lo que necesita cualquier patrón para este tablero.</translation>
    </message>
    <message>
        <source>The text holds a NUL byte: it is binary data, not a pattern.</source>
        <translation>El texto contiene un byte NUL: son datos binarios, no un patrón.</translation>
    </message>
    <message>
        <source>The text is empty.</source>
        <translation>El texto está vacío.</translation>
    </message>
    <message>
        <source>The pattern is %1 x %2 cells; the board holds %3 x %4.</source>
        <translation>El patrón mide %1 × %2 celdas; el tablero admite %3 × %4.</translation>
    </message>
    <message>
        <source>Unexpected %1 in a row: &quot;.&quot; is a dead cell and &quot;O&quot; a live one.</source>
        <translation>%1 inesperado en una fila: «.» es una celda muerta y «O» una viva.</translation>
    </message>
    <message>
        <source>The pattern has no header line &quot;x = width, y = height&quot;.</source>
        <translation>El patrón no tiene la línea de cabecera «x = ancho, y = alto».</translation>
    </message>
    <message>
        <source>The header should start &quot;x = width&quot;</source>
        <translation>La cabecera debería empezar con «x = ancho»</translation>
    </message>
    <message>
        <source>The height should follow as &quot;y = height&quot;</source>
        <translation>La altura debería seguir como «y = alto»</translation>
    </message>
    <message>
        <source>A comma should follow the width</source>
        <translation>Tras el ancho debería ir una coma</translation>
    </message>
    <message>
        <source>Only &quot;, rule = ...&quot; may follow the height</source>
        <translation>Tras la altura solo puede ir «, rule = …»</translation>
    </message>
    <message>
        <source>Only &quot;, rule = ...&quot; may follow the height.</source>
        <translation>Tras la altura solo puede ir «, rule = …».</translation>
    </message>
    <message>
        <source>The rule should follow as &quot;rule = ...&quot;</source>
        <translation>La regla debería seguir como «rule = …»</translation>
    </message>
    <message>
        <source>%1, but the line ends.</source>
        <translation>%1, pero la línea termina.</translation>
    </message>
    <message>
        <source>%1; found %2.</source>
        <translation>%1; se encontró %2.</translation>
    </message>
    <message>
        <source>A number should come here.</source>
        <translation>Aquí debería ir un número.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>El número es demasiado grande.</translation>
    </message>
    <message>
        <source>The rule is missing after &quot;rule =&quot;.</source>
        <translation>Falta la regla tras «rule =».</translation>
    </message>
    <message>
        <source>This pattern is for the rule %1; the board runs B3/S23 only.</source>
        <translation>Este patrón es para la regla %1; el tablero solo ejecuta B3/S23.</translation>
    </message>
    <message>
        <source>The count is too large.</source>
        <translation>La cuenta es demasiado grande.</translation>
    </message>
    <message>
        <source>A count of 0 repeats nothing; counts start at 1.</source>
        <translation>Una cuenta de 0 no repite nada; las cuentas empiezan en 1.</translation>
    </message>
    <message>
        <source>The count should be followed at once by b, o or $.</source>
        <translation>La cuenta debería ir seguida enseguida de b, o o $.</translation>
    </message>
    <message>
        <source>A count cannot stand before &quot;!&quot;.</source>
        <translation>Una cuenta no puede ir antes de «!».</translation>
    </message>
    <message>
        <source>Unexpected %1 in the cells: &quot;b&quot; and &quot;o&quot; are cells, &quot;$&quot; ends a row and &quot;!&quot; the pattern.</source>
        <translation>%1 inesperado en las celdas: «b» y «o» son celdas, «$» termina una fila y «!» el patrón.</translation>
    </message>
    <message>
        <source>Live cells below the height of %1 rows that the header gives.</source>
        <translation>Celdas vivas por debajo de la altura de %1 filas que da la cabecera.</translation>
    </message>
    <message>
        <source>Live cells past the width of %1 columns that the header gives.</source>
        <translation>Celdas vivas más allá del ancho de %1 columnas que da la cabecera.</translation>
    </message>
    <message>
        <source>The count takes the pattern past any size it could have.</source>
        <translation>La cuenta lleva el patrón más allá de cualquier tamaño posible.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulador</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>byte %1</translation>
    </message>
</context>
<context>
    <name>PopulationAccessible</name>
    <message>
        <source>Live cells at each step</source>
        <translation>Células vivas en cada paso</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a pipe, and nothing is reading from it.</source>
        <translation>Es una tubería y nada está leyendo de ella.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>It is not a regular file, and is left as it is.</source>
        <translation>No es un archivo normal y se deja como está.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>El complemento de plataforma: xcb, wayland, offscreen, …</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Dónde buscar complementos de plataforma.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>El tema de la plataforma.</translation>
    </message>
    <message>
        <source>An input plugin to load.</source>
        <translation>Un complemento de entrada que cargar.</translation>
    </message>
    <message>
        <source>The X display to open the window on.</source>
        <translation>La pantalla X donde abrir la ventana.</translation>
    </message>
    <message>
        <source>Where to put the window, as WxH+X+Y.</source>
        <translation>Dónde poner la ventana, como AnxAl+X+Y.</translation>
    </message>
    <message>
        <source>The window&apos;s icon.</source>
        <translation>El icono de la ventana.</translation>
    </message>
    <message>
        <source>The window&apos;s title.</source>
        <translation>El título de la ventana.</translation>
    </message>
    <message>
        <source>Lays the widgets out right to left.</source>
        <translation>Dispone los elementos de derecha a izquierda.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>La sesión que restaurar.</translation>
    </message>
    <message>
        <source>The widget style: fusion, windows, ...</source>
        <translation>El estilo de los elementos: fusion, windows, …</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Una hoja de estilo para los elementos.</translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left.</source>
        <translation>Informa al final de cuántos elementos quedaban.</translation>
    </message>
    <message>
        <source>Prints this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Prints this help with Qt&apos;s own options too, and exits.</source>
        <translation>Muestra esta ayuda con también las opciones propias de Qt, y termina.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <source>plugin</source>
        <translation>complemento</translation>
    </message>
    <message>
        <source>display</source>
        <translation>pantalla</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>geometría</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>icono</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>session</source>
        <translation>sesión</translation>
    </message>
    <message>
        <source>style</source>
        <translation>estilo</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [%2]</source>
        <translation>Uso: %1 [opciones] [%2]</translation>
    </message>
    <message>
        <source>Runs the cellular automaton B3/S23 on a bounded 30 x 30 board.</source>
        <translation>Ejecuta el autómata celular B3/S23 en un tablero limitado de 30 × 30.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>A pattern to open, in RLE or plaintext.</source>
        <translation>Un patrón que abrir, en RLE o texto plano.</translation>
    </message>
    <message>
        <source>Give one file at most.</source>
        <translation>Indique un archivo como máximo.</translation>
    </message>
    <message>
        <source>Prints what is on the board that FILE makes, object by object, and what becomes of it, without opening the window.</source>
        <translation>Muestra lo que ARCHIVO pone en el tablero, objeto por objeto, y en qué se convierte, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>Give the file to describe.</source>
        <translation>Indique el archivo que describir.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Saves a picture of the board that FILE makes, for OUT ending in .png, or an animation of its run, for .gif, without opening the window.</source>
        <translation>Guarda una imagen del tablero que da ARCHIVO, para una SALIDA en .png, o una animación de su evolución, para .gif, sin abrir la ventana.</translation>
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
        <translation>Con --export: el tamaño de la imagen, de 1 a 8 veces los píxeles del tablero; 1 si no.</translation>
    </message>
    <message>
        <source>With --export: shows where life has been since the start.</source>
        <translation>Con --export: muestra por dónde ha pasado la vida desde el inicio.</translation>
    </message>
    <message>
        <source>Give the file to export.</source>
        <translation>Indique el archivo que exportar.</translation>
    </message>
    <message>
        <source>--steps takes a number from 0 to 1000.</source>
        <translation>--steps toma un número de 0 a 1000.</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to 8.</source>
        <translation>--scale toma un número de 1 a 8.</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>No se pudo hacer la imagen.</translation>
    </message>
    <message>
        <source>Could not export “%1”.</source>
        <translation>No se pudo exportar «%1».</translation>
    </message>
    <message>
        <source>A picture is saved as .png and an animation as .gif: give a name that ends in one of them.</source>
        <translation>Una imagen se guarda como .png y una animación como .gif: indique un nombre que acabe en uno de ellos.</translation>
    </message>
    <message>
        <source>With --export: the generations the animation shows, 0 to 1000, as far as the board&apos;s fate if not given; for a picture, the generation it shows, the start if not given.</source>
        <translation>Con --export: las generaciones que muestra la animación, de 0 a 1000, hasta el destino del tablero si no se indica; para una imagen, la generación que muestra, el principio si no se indica.</translation>
    </message>
    <message>
        <source>It is the pattern file itself: give another name for the picture.</source>
        <translation>Es el propio archivo del patrón: dé otro nombre a la imagen.</translation>
    </message>
    <message>
        <source>With --export: puts the graph of the live cells at each step beside the board, in a picture or an animation.</source>
        <translation>Con --export: pone la gráfica de las células vivas en cada paso junto al tablero, en una imagen o una animación.</translation>
    </message>
    <message>
        <source>With --export to a .png: the graph of the live cells at each step alone, from the start to the board&apos;s fate.</source>
        <translation>Con --export a un .png: solo la gráfica de las células vivas en cada paso, desde el principio hasta el destino del tablero.</translation>
    </message>
    <message>
        <source>--steps, --scale, --trail, --graph and --graph-only go with --export.</source>
        <translation>--steps, --scale, --trail, --graph y --graph-only van con --export.</translation>
    </message>
    <message>
        <source>--graph and --graph-only do not go together: give one of them.</source>
        <translation>--graph y --graph-only no van juntas: indique una de ellas.</translation>
    </message>
    <message>
        <source>--graph-only makes a picture: give a name ending in .png.</source>
        <translation>--graph-only hace una imagen: indique un nombre que termine en .png.</translation>
    </message>
    <message>
        <source>Prints the moments of the run of the board that FILE makes, one a line from the start to its fate, without opening the window.</source>
        <translation>Muestra los momentos de la evolución que ARCHIVO inicia en el tablero, uno por línea desde el principio hasta su destino, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>Give the file to tell the moments of.</source>
        <translation>Indique el archivo cuyos momentos contar.</translation>
    </message>
    <message>
        <source>--describe, --moments and --export do not go together: give one of them.</source>
        <translation>--describe, --moments y --export no van juntas: indique una de ellas.</translation>
    </message>
</context>
<context>
    <name>quarn::Announcer</name>
    <message numerus="yes">
        <source>%n live</source>
        <translation>
            <numerusform>%n viva</numerusform>
            <numerusform>%n vivas</numerusform>
        </translation>
    </message>
    <message>
        <source>live</source>
        <translation>viva</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>muerta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Stopped at step %1</source>
        <translation>Detenido en el paso %1</translation>
    </message>
    <message>
        <source>%1: step %2, %3</source>
        <translation>%1: paso %2, %3</translation>
    </message>
    <message>
        <source>Step %1, %2</source>
        <translation>Paso %1, %2</translation>
    </message>
</context>
<context>
    <name>quarn::BoardObjects</name>
    <message>
        <source>Cursor on row %1, column %2.</source>
        <translation>Cursor en la fila %1, columna %2.</translation>
    </message>
    <message numerus="yes">
        <source>Life has reached %n of %1 cells.</source>
        <translation>
            <numerusform>La vida ha llegado a %n de %1 células.</numerusform>
            <numerusform>La vida ha llegado a %n de %1 células.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::ExportDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Generaciones:</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>«%1» ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Archivos %1 (*.%2)</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>El tablero</translation>
    </message>
    <message>
        <source>The board and its graph</source>
        <translation>El tablero y su gráfica</translation>
    </message>
    <message>
        <source>The graph alone</source>
        <translation>Solo la gráfica</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
</context>
<context>
    <name>quarn::History</name>
    <message>
        <source>All On</source>
        <translation>Encender todo</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 paso</translation>
    </message>
    <message>
        <source>Load Pattern</source>
        <translation>Cargar patrón</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alternar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecución</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Go Back to Step %1</source>
        <translation>Volver al paso %1</translation>
    </message>
    <message>
        <source>Go to Step %1</source>
        <translation>Ir al paso %1</translation>
    </message>
</context>
<context>
    <name>quarn::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Abrir &amp;ejemplo</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse…</source>
        <translation>&amp;Teclas y ratón…</translation>
    </message>
    <message>
        <source>&amp;About Game of Quarn</source>
        <translation>Acerca &amp;de Game of Quarn</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Click a cell, any button</source>
        <translation>Clic en una celda, cualquier botón</translation>
    </message>
    <message>
        <source>Switch it on or off</source>
        <translation>La enciende o la apaga</translation>
    </message>
    <message>
        <source>Drag from a cell</source>
        <translation>Arrastrar desde una celda</translation>
    </message>
    <message>
        <source>Set every cell passed over as the first went: draw or erase</source>
        <translation>Pone cada celda recorrida como la primera: dibujar o borrar</translation>
    </message>
    <message>
        <source>Drop a file or text</source>
        <translation>Soltar un archivo o texto</translation>
    </message>
    <message>
        <source>Load the pattern</source>
        <translation>Carga el patrón</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>En el tablero</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Move the cursor cell</source>
        <translation>Mueven la celda del cursor</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Inicio, Fin</translation>
    </message>
    <message>
        <source>First or last column</source>
        <translation>Primera o última columna</translation>
    </message>
    <message>
        <source>Ctrl+Home, Ctrl+End</source>
        <translation>Ctrl+Inicio, Ctrl+Fin</translation>
    </message>
    <message>
        <source>First or last cell</source>
        <translation>Primera o última celda</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>RePág, AvPág</translation>
    </message>
    <message>
        <source>Ten rows up or down</source>
        <translation>Diez filas arriba o abajo</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>Switch the cursor cell on or off</source>
        <translation>Enciende o apaga la celda del cursor</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Say the step and the live cells, with a screen reader</source>
        <translation>Anuncia el paso y las celdas vivas, con un lector de pantalla</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>On to the buttons, and back</source>
        <translation>A los botones, y de vuelta</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>En cualquier parte</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Pulsa el botón que tiene el foco</translation>
    </message>
    <message>
        <source>Open a pattern</source>
        <translation>Abrir un patrón</translation>
    </message>
    <message>
        <source>Save the board as a pattern</source>
        <translation>Guardar el tablero como patrón</translation>
    </message>
    <message>
        <source>Copy the board as RLE</source>
        <translation>Copiar el tablero como RLE</translation>
    </message>
    <message>
        <source>Load the pattern on the clipboard</source>
        <translation>Cargar el patrón del portapapeles</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Abrir los menús</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Teclas y ratón</translation>
    </message>
    <message>
        <source>About Game of Quarn</source>
        <translation>Acerca de Game of Quarn</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Game of Quarn %1&lt;/h3&gt;&lt;p&gt;Runs a cellular automaton on a bounded board of 30 × 30 cells.&lt;/p&gt;&lt;p&gt;A dead cell with exactly three live neighbours is born; a live cell with two or three live neighbours stays alive; every other cell is dead in the next generation. Past the edge of the board, every cell is dead.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Game of Quarn %1&lt;/h3&gt;&lt;p&gt;Ejecuta un autómata celular en un tablero limitado de 30 × 30 celdas.&lt;/p&gt;&lt;p&gt;Una celda muerta con exactamente tres vecinas vivas nace; una celda viva con dos o tres vecinas vivas sigue viva; cualquier otra celda está muerta en la generación siguiente. Más allá del borde del tablero, toda celda está muerta.&lt;/p&gt;&lt;p&gt;Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objetos</translation>
    </message>
    <message>
        <source>Rest the pointer on an object</source>
        <translation>Dejar el puntero sobre un objeto</translation>
    </message>
    <message>
        <source>What it is and where, in a tip</source>
        <translation>Qué es y dónde, en una nota</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>N, Shift+N</source>
        <translation>N, Mayús+N</translation>
    </message>
    <message>
        <source>The objects on the board, in a window of their own</source>
        <translation>Los objetos del tablero, en una ventana propia</translation>
    </message>
    <message>
        <source>Say what is on the board and what becomes of it, and show it in a tip</source>
        <translation>Decir qué hay en el tablero y en qué se convierte, y mostrarlo en una nota</translation>
    </message>
    <message>
        <source>To the next or the previous object: say what it is, and show it in a tip</source>
        <translation>Al objeto siguiente o anterior: decir qué es, y mostrarlo en una nota</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Población</translation>
    </message>
    <message>
        <source>The population graph</source>
        <translation>La gráfica de la población</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Izquierda, Derecha</translation>
    </message>
    <message>
        <source>The step before or after, said</source>
        <translation>El paso anterior o el siguiente, dicho</translation>
    </message>
    <message>
        <source>The first or the last step</source>
        <translation>El primer o el último paso</translation>
    </message>
    <message>
        <source>A tenth of the steps back or on</source>
        <translation>Una décima parte de los pasos atrás o adelante</translation>
    </message>
    <message>
        <source>H, L</source>
        <translation>H, L</translation>
    </message>
    <message>
        <source>The highest or the lowest point</source>
        <translation>El punto más alto o el más bajo</translation>
    </message>
    <message>
        <source>Say the summary: the start, the highest, the lowest, now</source>
        <translation>Decir el resumen: el inicio, lo más alto, lo más bajo, ahora</translation>
    </message>
    <message>
        <source>Copy the steps as CSV, for a spreadsheet</source>
        <translation>Copiar los pasos como CSV, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>The live cells at each step, in a graph</source>
        <translation>Las células vivas en cada paso, en una gráfica</translation>
    </message>
    <message>
        <source>Export &amp;Picture…</source>
        <translation>Exportar &amp;imagen…</translation>
    </message>
    <message>
        <source>Export A&amp;nimation…</source>
        <translation>Exportar a&amp;nimación…</translation>
    </message>
    <message>
        <source>&amp;Trail</source>
        <translation>&amp;Rastro</translation>
    </message>
    <message>
        <source>Show where life has been since the last fill or load</source>
        <translation>Mostrar por dónde ha pasado la vida desde el último llenado o carga</translation>
    </message>
    <message>
        <source>&amp;Sound While Running</source>
        <translation>&amp;Sonido en marcha</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Hear the graph as tones, higher for more cells; P again or Escape stops</source>
        <translation>Oír la gráfica como tonos, más agudos con más células; P de nuevo o Escape la para</translation>
    </message>
    <message>
        <source>Hear each generation of a run as a tone</source>
        <translation>Oír cada generación de una marcha como un tono</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Run the board, or stop it, as Go and Stop do</source>
        <translation>Poner el tablero en marcha o detenerlo, como Iniciar y Detener</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Say why the cursor cell lives or dies at the next step, and show it in a tip</source>
        <translation>Decir por qué la célula del cursor vive o muere en el siguiente paso, y mostrarlo en una nota</translation>
    </message>
    <message>
        <source>&amp;Next Generation</source>
        <translation>Siguiente &amp;generación</translation>
    </message>
    <message>
        <source>Rest the pointer on a cell, with the next generation shown</source>
        <translation>Dejar el puntero sobre una célula, con la siguiente generación visible</translation>
    </message>
    <message>
        <source>Why it lives or dies at the next step, in a tip</source>
        <translation>Por qué vive o muere en el siguiente paso, en una nota</translation>
    </message>
    <message>
        <source>Mark the cells about to be born with a ring, those about to die with a cross</source>
        <translation>Marcar con un anillo las células a punto de nacer, con una cruz las que van a morir</translation>
    </message>
    <message>
        <source>M, Shift+M</source>
        <translation>M, Mayús+M</translation>
    </message>
    <message>
        <source>Run the board to the next moment of its run and say it; back to the moment before</source>
        <translation>Hacer avanzar el tablero hasta el siguiente momento de su evolución y decirlo; volver al momento anterior</translation>
    </message>
    <message>
        <source>&amp;Moments</source>
        <translation>&amp;Momentos</translation>
    </message>
    <message>
        <source>The moments of the run, in a list: Enter takes the board to one</source>
        <translation>Los momentos de la evolución, en una lista: Intro lleva el tablero a uno</translation>
    </message>
    <message>
        <source>The next or the previous moment of the run, said</source>
        <translation>El momento siguiente o el anterior de la evolución, dicho</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Take the board to the marked step</source>
        <translation>Llevar el tablero al paso marcado</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsModel</name>
    <message>
        <source>Passed. %1</source>
        <translation>Pasado. %1</translation>
    </message>
    <message>
        <source>Ahead. %1</source>
        <translation>Por delante. %1</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsTour</name>
    <message>
        <source>No moment ahead.</source>
        <translation>No queda ningún momento por delante.</translation>
    </message>
    <message>
        <source>No moment before: this is where the way began.</source>
        <translation>Ningún momento antes: aquí empezó el camino.</translation>
    </message>
    <message>
        <source>Next, at step %1: %2</source>
        <translation>A continuación, en el paso %1: %2</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsWindow</name>
    <message>
        <source>Moments</source>
        <translation>Momentos</translation>
    </message>
    <message>
        <source>The moments of the run, from its start or the last edit to its fate. Enter takes the board to one.</source>
        <translation>Los momentos de la evolución, desde su inicio o el último cambio hasta su destino. Intro lleva el tablero a uno.</translation>
    </message>
    <message>
        <source>Finding the moments of the run…</source>
        <translation>Buscando los momentos de la evolución…</translation>
    </message>
</context>
<context>
    <name>quarn::ObjectsWindow</name>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
</context>
<context>
    <name>quarn::PatternFile</name>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Could not open “%1”.</source>
        <translation>No se pudo abrir «%1».</translation>
    </message>
    <message>
        <source>%1 is not a pattern the board can take.</source>
        <translation>%1 no es un patrón que el tablero pueda aceptar.</translation>
    </message>
</context>
<context>
    <name>quarn::PatternFileReader</name>
    <message>
        <source>The file is larger than 1 MiB, far more than any pattern for this board needs.</source>
        <translation>El archivo ocupa más de 1 MiB, mucho más de lo que necesita cualquier patrón para este tablero.</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, and was lost on the way here.</source>
        <translation>Su nombre no es UTF-8 válido y se perdió por el camino.</translation>
    </message>
    <message>
        <source>There is no folder “%1”.</source>
        <translation>No existe la carpeta «%1».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ese archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe, and nothing came through it for %n seconds.</source>
        <translation>
            <numerusform>Es una tubería, y no llegó nada por ella en %n segundo.</numerusform>
            <numerusform>Es una tubería, y no llegó nada por ella en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe that stopped sending after %n bytes: nothing more came for %1 seconds.</source>
        <translation>
            <numerusform>Es una tubería que dejó de enviar tras %n byte: no llegó nada más en %1 segundos.</numerusform>
            <numerusform>Es una tubería que dejó de enviar tras %n bytes: no llegó nada más en %1 segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PatternTransfer</name>
    <message>
        <source>Patterns (*.rle *.cells *.txt);;All files (*)</source>
        <translation>Patrones (*.rle *.cells *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>RLE pattern (*.rle)</source>
        <translation>Patrón RLE (*.rle)</translation>
    </message>
    <message>
        <source>Plaintext pattern (*.cells)</source>
        <translation>Patrón en texto plano (*.cells)</translation>
    </message>
    <message>
        <source>The dropped text</source>
        <translation>El texto soltado</translation>
    </message>
    <message>
        <source>The text on the clipboard</source>
        <translation>El texto del portapapeles</translation>
    </message>
    <message>
        <source>Could not open the example “%1”.</source>
        <translation>No se pudo abrir el ejemplo «%1».</translation>
    </message>
    <message>
        <source>The example “%1”</source>
        <translation>El ejemplo «%1»</translation>
    </message>
    <message>
        <source>Open Pattern</source>
        <translation>Abrir patrón</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Guardar patrón</translation>
    </message>
    <message>
        <source>Could not save “%1”.</source>
        <translation>No se pudo guardar «%1».</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>Copied the board as a pattern.</source>
        <translation>Tablero copiado como patrón.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
</context>
<context>
    <name>quarn::PictureExport</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <source>Making the animation…</source>
        <translation>Haciendo la animación…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tablero</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>No se pudo hacer la imagen.</translation>
    </message>
    <message>
        <source>Could not export “%1”.</source>
        <translation>No se pudo exportar «%1».</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n pictures.</source>
        <translation>
            <numerusform>%1 guardado: %n imagen.</numerusform>
            <numerusform>%1 guardado: %n imágenes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PopulationGraph</name>
    <message>
        <source>and on</source>
        <translation>y más allá</translation>
    </message>
    <message>
        <source>%1 And on.</source>
        <translation>%1 Y más allá.</translation>
    </message>
    <message>
        <source>Copied the steps as CSV.</source>
        <translation>Pasos copiados como CSV.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1, ahead: %n live cells.</source>
        <translation>
            <numerusform>Paso %1, por venir: %n célula viva.</numerusform>
            <numerusform>Paso %1, por venir: %n células vivas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %n live cells, %2 born, %3 died.</source>
        <translation>
            <numerusform>Paso %1: %n célula viva, %2 nacidas, %3 muertas.</numerusform>
            <numerusform>Paso %1: %n células vivas, %2 nacidas, %3 muertas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At step %1: %n live cells.</source>
        <translation>
            <numerusform>En el paso %1: %n célula viva.</numerusform>
            <numerusform>En el paso %1: %n células vivas.</numerusform>
        </translation>
    </message>
    <message>
        <source>From step %1 to step %2: %3, at most %4 at step %5, at least %6 at step %7, %8 now.</source>
        <translation>Del paso %1 al paso %2: %3, como mucho %4 en el paso %5, como poco %6 en el paso %7, %8 ahora.</translation>
    </message>
    <message numerus="yes">
        <source>%n live cells at the start</source>
        <translation>
            <numerusform>%n célula viva al inicio</numerusform>
            <numerusform>%n células vivas al inicio</numerusform>
        </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Live cells</source>
        <translation>Células vivas</translation>
    </message>
    <message>
        <source>No moment before this step.</source>
        <translation>Ningún momento antes de este paso.</translation>
    </message>
    <message>
        <source>No moment after this step.</source>
        <translation>Ningún momento después de este paso.</translation>
    </message>
</context>
<context>
    <name>quarn::PopulationWindow</name>
    <message>
        <source>Population</source>
        <translation>Población</translation>
    </message>
</context>
<context>
    <name>quarn::RuleAtWork</name>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it is born at the next step.</source>
        <translation>
            <numerusform>Fila %1, columna %2: muerta, %n vecina viva: nace en el siguiente paso.</numerusform>
            <numerusform>Fila %1, columna %2: muerta, %n vecinas vivas: nace en el siguiente paso.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it stays dead.</source>
        <translation>
            <numerusform>Fila %1, columna %2: muerta, %n vecina viva: sigue muerta.</numerusform>
            <numerusform>Fila %1, columna %2: muerta, %n vecinas vivas: sigue muerta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it lives on.</source>
        <translation>
            <numerusform>Fila %1, columna %2: viva, %n vecina viva: sigue viva.</numerusform>
            <numerusform>Fila %1, columna %2: viva, %n vecinas vivas: sigue viva.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with fewer than 2.</source>
        <translation>
            <numerusform>Fila %1, columna %2: viva, %n vecina viva: muere en el siguiente paso, con menos de 2.</numerusform>
            <numerusform>Fila %1, columna %2: viva, %n vecinas vivas: muere en el siguiente paso, con menos de 2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with more than 3.</source>
        <translation>
            <numerusform>Fila %1, columna %2: viva, %n vecina viva: muere en el siguiente paso, con más de 3.</numerusform>
            <numerusform>Fila %1, columna %2: viva, %n vecinas vivas: muere en el siguiente paso, con más de 3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of its 8 neighbours are on the board: the cells beyond the edge are always dead.</source>
        <translation>
            <numerusform>Solo %n de sus 8 vecinas está en el tablero: las células más allá del borde siempre están muertas.</numerusform>
            <numerusform>Solo %n de sus 8 vecinas están en el tablero: las células más allá del borde siempre están muertas.</numerusform>
        </translation>
    </message>
    <message>
        <source>At the next step %1 and %2.</source>
        <translation>En el siguiente paso, %1 y %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells are born</source>
        <translation>
            <numerusform>nace %n célula</numerusform>
            <numerusform>nacen %n células</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>muere %n</numerusform>
            <numerusform>mueren %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::SoundPlayer</name>
    <message>
        <source>No sound output is available.</source>
        <translation>No hay ninguna salida de sonido disponible.</translation>
    </message>
</context>
<context>
    <name>quarn::frmDisplay</name>
    <message>
        <source>Steps: %1</source>
        <translation>Pasos: %1</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Encender todo</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 paso</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>All on</source>
        <translation>Todo encendido</translation>
    </message>
    <message>
        <source>All off</source>
        <translation>Todo apagado</translation>
    </message>
    <message>
        <source>Pattern loaded</source>
        <translation>Patrón cargado</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Trail shown.</source>
        <translation>Rastro visible.</translation>
    </message>
    <message>
        <source>Trail hidden.</source>
        <translation>Rastro oculto.</translation>
    </message>
    <message>
        <source>Sound while running on.</source>
        <translation>Sonido en marcha activado.</translation>
    </message>
    <message>
        <source>Sound while running off.</source>
        <translation>Sonido en marcha desactivado.</translation>
    </message>
    <message>
        <source>Next generation shown.</source>
        <translation>Siguiente generación visible.</translation>
    </message>
    <message>
        <source>Next generation hidden.</source>
        <translation>Siguiente generación oculta.</translation>
    </message>
    <message>
        <source>Running to step %1.</source>
        <translation>En marcha hasta el paso %1.</translation>
    </message>
    <message>
        <source>Step %1 came before the board was last changed, at step %2: undo goes back past it.</source>
        <translation>El paso %1 fue anterior al último cambio del tablero, en el paso %2: deshacer vuelve más atrás.</translation>
    </message>
    <message>
        <source>The count goes no further than step %1.</source>
        <translation>La cuenta no llega más allá del paso %1.</translation>
    </message>
</context>
</TS>
