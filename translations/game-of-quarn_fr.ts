<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 rows of %2 cells, each live or dead; %n live</source>
        <translation>
            <numerusform>%1 rangées de %2 cellules, chacune vivante ou morte ; %n vivante</numerusform>
            <numerusform>%1 rangées de %2 cellules, chacune vivante ou morte ; %n vivantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>live</source>
        <translation>vivante</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>morte</translation>
    </message>
    <message>
        <source>Row %1, column %2 of the %3</source>
        <translation>Rangée %1, colonne %2 du %3</translation>
    </message>
</context>
<context>
    <name>Census</name>
    <message>
        <source>up</source>
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>left</source>
        <translation>vers la gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>vers la droite</translation>
    </message>
    <message>
        <source>up and to the left</source>
        <translation>vers le haut et la gauche</translation>
    </message>
    <message>
        <source>up and to the right</source>
        <translation>vers le haut et la droite</translation>
    </message>
    <message>
        <source>down and to the left</source>
        <translation>vers le bas et la gauche</translation>
    </message>
    <message>
        <source>down and to the right</source>
        <translation>vers le bas et la droite</translation>
    </message>
    <message>
        <source>Lone cell</source>
        <translation>Cellule isolée</translation>
    </message>
    <message>
        <source>a lone cell</source>
        <translation>une cellule isolée</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3.</source>
        <translation>%1 à la ligne %2, colonne %3.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3, heading %4.</source>
        <translation>%1 à la ligne %2, colonne %3, qui va %4.</translation>
    </message>
    <message>
        <source>The board is empty: no live cells.</source>
        <translation>Le plateau est vide&#xa0;: aucune cellule vivante.</translation>
    </message>
    <message>
        <source>The board dies out at step %1.</source>
        <translation>Le plateau s&apos;éteint au pas %1.</translation>
    </message>
    <message>
        <source>The board settles at step %1 into %2.</source>
        <translation>Le plateau se fige au pas %1 en %2.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>a block</source>
        <translation>un bloc</translation>
    </message>
    <message>
        <source>Beehive</source>
        <translation>Ruche</translation>
    </message>
    <message>
        <source>a beehive</source>
        <translation>une ruche</translation>
    </message>
    <message>
        <source>Loaf</source>
        <translation>Pain</translation>
    </message>
    <message>
        <source>a loaf</source>
        <translation>un pain</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>a boat</source>
        <translation>un bateau</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>a ship</source>
        <translation>un navire</translation>
    </message>
    <message>
        <source>Tub</source>
        <translation>Baignoire</translation>
    </message>
    <message>
        <source>a tub</source>
        <translation>une baignoire</translation>
    </message>
    <message>
        <source>Pond</source>
        <translation>Mare</translation>
    </message>
    <message>
        <source>a pond</source>
        <translation>une mare</translation>
    </message>
    <message>
        <source>Barge</source>
        <translation>Barge</translation>
    </message>
    <message>
        <source>a barge</source>
        <translation>une barge</translation>
    </message>
    <message>
        <source>Long boat</source>
        <translation>Bateau long</translation>
    </message>
    <message>
        <source>a long boat</source>
        <translation>un bateau long</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>a snake</source>
        <translation>un serpent</translation>
    </message>
    <message>
        <source>Aircraft carrier</source>
        <translation>Porte-avions</translation>
    </message>
    <message>
        <source>an aircraft carrier</source>
        <translation>un porte-avions</translation>
    </message>
    <message>
        <source>Fishhook</source>
        <translation>Hameçon</translation>
    </message>
    <message>
        <source>a fishhook</source>
        <translation>un hameçon</translation>
    </message>
    <message>
        <source>Long barge</source>
        <translation>Barge longue</translation>
    </message>
    <message>
        <source>a long barge</source>
        <translation>une barge longue</translation>
    </message>
    <message>
        <source>Blinker</source>
        <translation>Clignotant</translation>
    </message>
    <message>
        <source>a blinker</source>
        <translation>un clignotant</translation>
    </message>
    <message>
        <source>Toad</source>
        <translation>Crapaud</translation>
    </message>
    <message>
        <source>a toad</source>
        <translation>un crapaud</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation>Phare</translation>
    </message>
    <message>
        <source>a beacon</source>
        <translation>un phare</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>a clock</source>
        <translation>une horloge</translation>
    </message>
    <message>
        <source>Pulsar</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>a pulsar</source>
        <translation>un pulsar</translation>
    </message>
    <message>
        <source>Pentadecathlon</source>
        <translation>Pentadécathlon</translation>
    </message>
    <message>
        <source>a pentadecathlon</source>
        <translation>un pentadécathlon</translation>
    </message>
    <message>
        <source>Figure eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>a figure eight</source>
        <translation>un huit</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planeur</translation>
    </message>
    <message>
        <source>a glider</source>
        <translation>un planeur</translation>
    </message>
    <message>
        <source>Lightweight ship</source>
        <translation>Vaisseau léger</translation>
    </message>
    <message>
        <source>a lightweight ship</source>
        <translation>un vaisseau léger</translation>
    </message>
    <message>
        <source>Middleweight ship</source>
        <translation>Vaisseau moyen</translation>
    </message>
    <message>
        <source>a middleweight ship</source>
        <translation>un vaisseau moyen</translation>
    </message>
    <message>
        <source>Heavyweight ship</source>
        <translation>Vaisseau lourd</translation>
    </message>
    <message>
        <source>a heavyweight ship</source>
        <translation>un vaisseau lourd</translation>
    </message>
    <message>
        <source>The board died out at step %1.</source>
        <translation>Le plateau s&apos;est éteint au pas %1.</translation>
    </message>
    <message>
        <source>The board settled at step %1 into %2.</source>
        <translation>Le plateau s&apos;est figé au pas %1 en %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks</source>
        <translation>
            <numerusform>un bloc</numerusform>
            <numerusform>%n blocs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beehives</source>
        <translation>
            <numerusform>une ruche</numerusform>
            <numerusform>%n ruches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loaves</source>
        <translation>
            <numerusform>un pain</numerusform>
            <numerusform>%n pains</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boats</source>
        <translation>
            <numerusform>un bateau</numerusform>
            <numerusform>%n bateaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ships</source>
        <translation>
            <numerusform>un navire</numerusform>
            <numerusform>%n navires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tubs</source>
        <translation>
            <numerusform>une baignoire</numerusform>
            <numerusform>%n baignoires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ponds</source>
        <translation>
            <numerusform>une mare</numerusform>
            <numerusform>%n mares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barges</source>
        <translation>
            <numerusform>une barge</numerusform>
            <numerusform>%n barges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long boats</source>
        <translation>
            <numerusform>un bateau long</numerusform>
            <numerusform>%n bateaux longs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n snakes</source>
        <translation>
            <numerusform>un serpent</numerusform>
            <numerusform>%n serpents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aircraft carriers</source>
        <translation>
            <numerusform>un porte-avions</numerusform>
            <numerusform>%n porte-avions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fishhooks</source>
        <translation>
            <numerusform>un hameçon</numerusform>
            <numerusform>%n hameçons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n long barges</source>
        <translation>
            <numerusform>une barge longue</numerusform>
            <numerusform>%n barges longues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blinkers</source>
        <translation>
            <numerusform>un clignotant</numerusform>
            <numerusform>%n clignotants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n toads</source>
        <translation>
            <numerusform>un crapaud</numerusform>
            <numerusform>%n crapauds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beacons</source>
        <translation>
            <numerusform>un phare</numerusform>
            <numerusform>%n phares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>une horloge</numerusform>
            <numerusform>%n horloges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pulsars</source>
        <translation>
            <numerusform>un pulsar</numerusform>
            <numerusform>%n pulsars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pentadecathlons</source>
        <translation>
            <numerusform>un pentadécathlon</numerusform>
            <numerusform>%n pentadécathlons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n figure eights</source>
        <translation>
            <numerusform>un huit</numerusform>
            <numerusform>%n huit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gliders</source>
        <translation>
            <numerusform>un planeur</numerusform>
            <numerusform>%n planeurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lightweight ships</source>
        <translation>
            <numerusform>un vaisseau léger</numerusform>
            <numerusform>%n vaisseaux légers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n middleweight ships</source>
        <translation>
            <numerusform>un vaisseau moyen</numerusform>
            <numerusform>%n vaisseaux moyens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heavyweight ships</source>
        <translation>
            <numerusform>un vaisseau lourd</numerusform>
            <numerusform>%n vaisseaux lourds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lone cells</source>
        <translation>
            <numerusform>une cellule isolée</numerusform>
            <numerusform>%n cellules isolées</numerusform>
        </translation>
    </message>
    <message>
        <source>Changing group of %1</source>
        <translation>Groupe changeant de %1</translation>
    </message>
    <message>
        <source>a changing group of %1</source>
        <translation>un groupe changeant de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n changing groups of %1</source>
        <translation>
            <numerusform>un groupe changeant de %1</numerusform>
            <numerusform>%n groupes changeants de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Ship of period %1, %2</source>
        <translation>Vaisseau de période %1, %2</translation>
    </message>
    <message>
        <source>a ship of period %1, %2</source>
        <translation>un vaisseau de période %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n ships of period %1, %2</source>
        <translation>
            <numerusform>un vaisseau de période %1, %2</numerusform>
            <numerusform>%n vaisseaux de période %1, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Still life of %1</source>
        <translation>Objet stable de %1</translation>
    </message>
    <message>
        <source>a still life of %1</source>
        <translation>un objet stable de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n still lifes of %1</source>
        <translation>
            <numerusform>un objet stable de %1</numerusform>
            <numerusform>%n objets stables de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Oscillator of period %1, %2</source>
        <translation>Oscillateur de période %1, %2</translation>
    </message>
    <message>
        <source>an oscillator of period %1, %2</source>
        <translation>un oscillateur de période %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n oscillators of period %1, %2</source>
        <translation>
            <numerusform>un oscillateur de période %1, %2</numerusform>
            <numerusform>%n oscillateurs de période %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n cellule</numerusform>
            <numerusform>%n cellules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, all of them one changing group.</source>
        <translation>
            <numerusform>%n cellule vivante, dans un groupe changeant.</numerusform>
            <numerusform>%n cellules vivantes, toutes dans un même groupe changeant.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells, most of them one changing group of %1; besides it, %2.</source>
        <translation>
            <numerusform>%n cellule vivante, dans un groupe changeant de %1 ; en outre, %2.</numerusform>
            <numerusform>%n cellules vivantes, la plupart dans un groupe changeant de %1 ; en outre, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n objects</source>
        <translation>
            <numerusform>%n objet</numerusform>
            <numerusform>%n objets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n live cells in %1: %2.</source>
        <translation>
            <numerusform>%n cellule vivante dans %1&#xa0;: %2.</numerusform>
            <numerusform>%n cellules vivantes dans %1&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board has repeated every %n steps since step %1, as %2.</source>
        <translation>
            <numerusform>Le plateau se répète à chaque pas depuis le pas %1, en %2.</numerusform>
            <numerusform>Le plateau se répète tous les %n pas depuis le pas %1, en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board repeats every %n steps from step %1, as %2.</source>
        <translation>
            <numerusform>Le plateau se répète à chaque pas à partir du pas %1, en %2.</numerusform>
            <numerusform>Le plateau se répète tous les %n pas à partir du pas %1, en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The board is still changing after %n steps.</source>
        <translation>
            <numerusform>Le plateau change encore après %n pas.</numerusform>
            <numerusform>Le plateau change encore après %n pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>the block</source>
        <translation>le bloc</translation>
    </message>
    <message>
        <source>the beehive</source>
        <translation>la ruche</translation>
    </message>
    <message>
        <source>the loaf</source>
        <translation>le pain</translation>
    </message>
    <message>
        <source>the boat</source>
        <translation>le bateau</translation>
    </message>
    <message>
        <source>the ship</source>
        <translation>le navire</translation>
    </message>
    <message>
        <source>the tub</source>
        <translation>la baignoire</translation>
    </message>
    <message>
        <source>the pond</source>
        <translation>la mare</translation>
    </message>
    <message>
        <source>the barge</source>
        <translation>la barge</translation>
    </message>
    <message>
        <source>the long boat</source>
        <translation>le bateau long</translation>
    </message>
    <message>
        <source>the snake</source>
        <translation>le serpent</translation>
    </message>
    <message>
        <source>the aircraft carrier</source>
        <translation>le porte-avions</translation>
    </message>
    <message>
        <source>the fishhook</source>
        <translation>l’hameçon</translation>
    </message>
    <message>
        <source>the long barge</source>
        <translation>la barge longue</translation>
    </message>
    <message>
        <source>the blinker</source>
        <translation>le clignotant</translation>
    </message>
    <message>
        <source>the toad</source>
        <translation>le crapaud</translation>
    </message>
    <message>
        <source>the beacon</source>
        <translation>le phare</translation>
    </message>
    <message>
        <source>the clock</source>
        <translation>l’horloge</translation>
    </message>
    <message>
        <source>the pulsar</source>
        <translation>le pulsar</translation>
    </message>
    <message>
        <source>the pentadecathlon</source>
        <translation>le pentadécathlon</translation>
    </message>
    <message>
        <source>the figure eight</source>
        <translation>le huit</translation>
    </message>
    <message>
        <source>the glider</source>
        <translation>le planeur</translation>
    </message>
    <message>
        <source>the lightweight ship</source>
        <translation>le vaisseau léger</translation>
    </message>
    <message>
        <source>the middleweight ship</source>
        <translation>le vaisseau moyen</translation>
    </message>
    <message>
        <source>the heavyweight ship</source>
        <translation>le vaisseau lourd</translation>
    </message>
    <message>
        <source>%1 from row %2, column %3</source>
        <translation>%1 de la ligne %2, colonne %3</translation>
    </message>
    <message numerus="yes">
        <source>the most live cells, %n.</source>
        <translation>
            <numerusform>le plus de cellules vivantes : %n.</numerusform>
            <numerusform>le plus de cellules vivantes : %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n less telling moments are left out.</source>
        <translation>
            <numerusform>%1 %n moment moins marquant est omis.</numerusform>
            <numerusform>%1 %n moments moins marquants sont omis.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 meet at row %3, column %4.</source>
        <translation>%1 et %2 se rencontrent à la ligne %3, colonne %4.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3 meets the edge.</source>
        <translation>%1 à la ligne %2, colonne %3 atteint le bord.</translation>
    </message>
    <message>
        <source>%1 forms at row %2, column %3.</source>
        <translation>%1 se forme à la ligne %2, colonne %3.</translation>
    </message>
    <message>
        <source>%1 forms at row %2, column %3, heading %4.</source>
        <translation>%1 se forme à la ligne %2, colonne %3, et va %4.</translation>
    </message>
    <message>
        <source>%1 is gone.</source>
        <translation>%1 a disparu.</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Pas %1 : %2</translation>
    </message>
    <message>
        <source>the lone cell</source>
        <translation>la cellule isolée</translation>
    </message>
    <message>
        <source>the changing group of %1</source>
        <translation>le groupe changeant de %1</translation>
    </message>
    <message>
        <source>the ship of period %1, %2</source>
        <translation>le vaisseau de période %1, %2</translation>
    </message>
    <message>
        <source>the still life of %1</source>
        <translation>l’objet stable de %1</translation>
    </message>
    <message>
        <source>the oscillator of period %1, %2</source>
        <translation>l’oscillateur de période %1, %2</translation>
    </message>
    <message>
        <source>the board is empty.</source>
        <translation>le plateau est vide.</translation>
    </message>
    <message>
        <source>the board dies out.</source>
        <translation>le plateau s’éteint.</translation>
    </message>
    <message>
        <source>the board settles into %1.</source>
        <translation>le plateau se fige en %1.</translation>
    </message>
    <message numerus="yes">
        <source>the board starts repeating every %n steps, as %1.</source>
        <translation>
            <numerusform>le plateau se met à se répéter à chaque pas, en %1.</numerusform>
            <numerusform>le plateau se met à se répéter tous les %n pas, en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the board is still changing.</source>
        <translation>le plateau change encore.</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Acorn</source>
        <translation>Gland</translation>
    </message>
    <message>
        <source>Blinker, toad and beacon</source>
        <translation>Clignotant, crapaud et phare</translation>
    </message>
    <message>
        <source>Diehard</source>
        <translation>Diehard</translation>
    </message>
    <message>
        <source>Figure eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Glider collision</source>
        <translation>Collision de planeurs</translation>
    </message>
    <message>
        <source>Glider</source>
        <translation>Planeur</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <translation>Sablier</translation>
    </message>
    <message>
        <source>Lightweight ship</source>
        <translation>Vaisseau léger</translation>
    </message>
    <message>
        <source>Pentadecathlon</source>
        <translation>Pentadécathlon</translation>
    </message>
    <message>
        <source>Pulsar</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>R-pentomino</source>
        <translation>R-pentomino</translation>
    </message>
    <message>
        <source>Still lifes</source>
        <translation>Objets stables</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>The text is larger than 1 MiB, far more than any pattern for this board needs.</source>
        <translation>Le texte dépasse 1 Mio, bien plus qu&apos;il n&apos;en faut à tout motif pour ce plateau.</translation>
    </message>
    <message>
        <source>The text holds a NUL byte: it is binary data, not a pattern.</source>
        <translation>Le texte contient un octet NUL : ce sont des données binaires, pas un motif.</translation>
    </message>
    <message>
        <source>The text is empty.</source>
        <translation>Le texte est vide.</translation>
    </message>
    <message>
        <source>The pattern is %1 x %2 cells; the board holds %3 x %4.</source>
        <translation>Le motif fait %1 × %2 cellules ; le plateau en contient %3 × %4.</translation>
    </message>
    <message>
        <source>Unexpected %1 in a row: &quot;.&quot; is a dead cell and &quot;O&quot; a live one.</source>
        <translation>%1 inattendu dans une rangée : « . » est une cellule morte et « O » une vivante.</translation>
    </message>
    <message>
        <source>The pattern has no header line &quot;x = width, y = height&quot;.</source>
        <translation>Le motif n&apos;a pas de ligne d&apos;en-tête « x = largeur, y = hauteur ».</translation>
    </message>
    <message>
        <source>The header should start &quot;x = width&quot;</source>
        <translation>L&apos;en-tête devrait commencer par « x = largeur »</translation>
    </message>
    <message>
        <source>The height should follow as &quot;y = height&quot;</source>
        <translation>La hauteur devrait suivre sous la forme « y = hauteur »</translation>
    </message>
    <message>
        <source>A comma should follow the width</source>
        <translation>Une virgule devrait suivre la largeur</translation>
    </message>
    <message>
        <source>Only &quot;, rule = ...&quot; may follow the height</source>
        <translation>Seul « , rule = … » peut suivre la hauteur</translation>
    </message>
    <message>
        <source>Only &quot;, rule = ...&quot; may follow the height.</source>
        <translation>Seul « , rule = … » peut suivre la hauteur.</translation>
    </message>
    <message>
        <source>The rule should follow as &quot;rule = ...&quot;</source>
        <translation>La règle devrait suivre sous la forme « rule = … »</translation>
    </message>
    <message>
        <source>%1, but the line ends.</source>
        <translation>%1, mais la ligne se termine.</translation>
    </message>
    <message>
        <source>%1; found %2.</source>
        <translation>%1 ; trouvé : %2.</translation>
    </message>
    <message>
        <source>A number should come here.</source>
        <translation>Un nombre devrait venir ici.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Le nombre est trop grand.</translation>
    </message>
    <message>
        <source>The rule is missing after &quot;rule =&quot;.</source>
        <translation>La règle manque après « rule = ».</translation>
    </message>
    <message>
        <source>This pattern is for the rule %1; the board runs B3/S23 only.</source>
        <translation>Ce motif est pour la règle %1 ; le plateau ne fait tourner que B3/S23.</translation>
    </message>
    <message>
        <source>The count is too large.</source>
        <translation>Le nombre de répétitions est trop grand.</translation>
    </message>
    <message>
        <source>A count of 0 repeats nothing; counts start at 1.</source>
        <translation>Un nombre de 0 ne répète rien ; les nombres commencent à 1.</translation>
    </message>
    <message>
        <source>The count should be followed at once by b, o or $.</source>
        <translation>Le nombre devrait être suivi aussitôt de b, o ou $.</translation>
    </message>
    <message>
        <source>A count cannot stand before &quot;!&quot;.</source>
        <translation>Un nombre ne peut pas précéder « ! ».</translation>
    </message>
    <message>
        <source>Unexpected %1 in the cells: &quot;b&quot; and &quot;o&quot; are cells, &quot;$&quot; ends a row and &quot;!&quot; the pattern.</source>
        <translation>%1 inattendu dans les cellules : « b » et « o » sont des cellules, « $ » termine une rangée et « ! » le motif.</translation>
    </message>
    <message>
        <source>Live cells below the height of %1 rows that the header gives.</source>
        <translation>Des cellules vivantes au-delà de la hauteur de %1 rangées que donne l&apos;en-tête.</translation>
    </message>
    <message>
        <source>Live cells past the width of %1 columns that the header gives.</source>
        <translation>Des cellules vivantes au-delà de la largeur de %1 colonnes que donne l&apos;en-tête.</translation>
    </message>
    <message>
        <source>The count takes the pattern past any size it could have.</source>
        <translation>Le nombre mène le motif au-delà de toute taille possible.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>octet %1</translation>
    </message>
</context>
<context>
    <name>PopulationAccessible</name>
    <message>
        <source>Live cells at each step</source>
        <translation>Cellules vivantes à chaque pas</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>It is a pipe, and nothing is reading from it.</source>
        <translation>C’est un tube, et rien ne le lit.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>C’est un dossier.</translation>
    </message>
    <message>
        <source>It is not a regular file, and is left as it is.</source>
        <translation>Ce n’est pas un fichier ordinaire ; il est laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Le greffon de plateforme : xcb, wayland, offscreen, …</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Où chercher les greffons de plateforme.</translation>
    </message>
    <message>
        <source>The platform theme.</source>
        <translation>Le thème de la plateforme.</translation>
    </message>
    <message>
        <source>An input plugin to load.</source>
        <translation>Un greffon d&apos;entrée à charger.</translation>
    </message>
    <message>
        <source>The X display to open the window on.</source>
        <translation>L&apos;écran X où ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Where to put the window, as WxH+X+Y.</source>
        <translation>Où placer la fenêtre, en LxH+X+Y.</translation>
    </message>
    <message>
        <source>The window&apos;s icon.</source>
        <translation>L&apos;icône de la fenêtre.</translation>
    </message>
    <message>
        <source>The window&apos;s title.</source>
        <translation>Le titre de la fenêtre.</translation>
    </message>
    <message>
        <source>Lays the widgets out right to left.</source>
        <translation>Dispose les éléments de droite à gauche.</translation>
    </message>
    <message>
        <source>The session to restore.</source>
        <translation>La session à restaurer.</translation>
    </message>
    <message>
        <source>The widget style: fusion, windows, ...</source>
        <translation>Le style des éléments : fusion, windows, …</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Une feuille de style pour les éléments.</translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left.</source>
        <translation>Indique à la fin combien d&apos;éléments restaient.</translation>
    </message>
    <message>
        <source>Prints this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Prints this help with Qt&apos;s own options too, and exits.</source>
        <translation>Affiche cette aide avec aussi les options propres à Qt, et quitte.</translation>
    </message>
    <message>
        <source>Prints the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <source>plugin</source>
        <translation>greffon</translation>
    </message>
    <message>
        <source>display</source>
        <translation>écran</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>géométrie</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>icône</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>session</source>
        <translation>session</translation>
    </message>
    <message>
        <source>style</source>
        <translation>style</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [%2]</source>
        <translation>Utilisation&#xa0;: %1 [options] [%2]</translation>
    </message>
    <message>
        <source>Runs the cellular automaton B3/S23 on a bounded 30 x 30 board.</source>
        <translation>Fait tourner l&apos;automate cellulaire B3/S23 sur un plateau borné de 30 × 30.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>A pattern to open, in RLE or plaintext.</source>
        <translation>Un motif à ouvrir, en RLE ou en texte brut.</translation>
    </message>
    <message>
        <source>Give one file at most.</source>
        <translation>Donnez un fichier au plus.</translation>
    </message>
    <message>
        <source>Prints what is on the board that FILE makes, object by object, and what becomes of it, without opening the window.</source>
        <translation>Affiche ce que FICHIER met sur le plateau, objet par objet, et ce qu&apos;il devient, sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Give the file to describe.</source>
        <translation>Indiquez le fichier à décrire.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>Saves a picture of the board that FILE makes, for OUT ending in .png, or an animation of its run, for .gif, without opening the window.</source>
        <translation>Enregistre une image du plateau que donne FICHIER, pour une SORTIE en .png, ou une animation de son déroulement, pour .gif, sans ouvrir la fenêtre.</translation>
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
        <translation>Avec --export : la taille de l&apos;image, de 1 à 8 fois les pixels du plateau ; 1 sinon.</translation>
    </message>
    <message>
        <source>With --export: shows where life has been since the start.</source>
        <translation>Avec --export : montre où la vie est passée depuis le début.</translation>
    </message>
    <message>
        <source>Give the file to export.</source>
        <translation>Donnez le fichier à exporter.</translation>
    </message>
    <message>
        <source>--steps takes a number from 0 to 1000.</source>
        <translation>--steps prend un nombre de 0 à 1000.</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to 8.</source>
        <translation>--scale prend un nombre de 1 à 8.</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>L&apos;image n&apos;a pas pu être faite.</translation>
    </message>
    <message>
        <source>Could not export “%1”.</source>
        <translation>Impossible d&apos;exporter « %1 ».</translation>
    </message>
    <message>
        <source>A picture is saved as .png and an animation as .gif: give a name that ends in one of them.</source>
        <translation>Une image s&apos;enregistre en .png et une animation en .gif : donnez un nom qui finit par l&apos;un des deux.</translation>
    </message>
    <message>
        <source>With --export: the generations the animation shows, 0 to 1000, as far as the board&apos;s fate if not given; for a picture, the generation it shows, the start if not given.</source>
        <translation>Avec --export : les générations que montre l’animation, de 0 à 1000, jusqu’au destin du plateau si rien n’est donné ; pour une image, la génération qu’elle montre, le début si rien n’est donné.</translation>
    </message>
    <message>
        <source>It is the pattern file itself: give another name for the picture.</source>
        <translation>C’est le fichier du motif lui-même : donnez un autre nom à l’image.</translation>
    </message>
    <message>
        <source>With --export: puts the graph of the live cells at each step beside the board, in a picture or an animation.</source>
        <translation>Avec --export : place le graphique des cellules vivantes à chaque étape à côté du plateau, dans une image ou une animation.</translation>
    </message>
    <message>
        <source>With --export to a .png: the graph of the live cells at each step alone, from the start to the board&apos;s fate.</source>
        <translation>Avec --export vers un .png : le graphique des cellules vivantes à chaque étape seul, du début jusqu’au destin du plateau.</translation>
    </message>
    <message>
        <source>--steps, --scale, --trail, --graph and --graph-only go with --export.</source>
        <translation>--steps, --scale, --trail, --graph et --graph-only vont avec --export.</translation>
    </message>
    <message>
        <source>--graph and --graph-only do not go together: give one of them.</source>
        <translation>--graph et --graph-only ne vont pas ensemble : donnez l’un des deux.</translation>
    </message>
    <message>
        <source>--graph-only makes a picture: give a name ending in .png.</source>
        <translation>--graph-only fait une image : donnez un nom qui finit par .png.</translation>
    </message>
    <message>
        <source>Prints the moments of the run of the board that FILE makes, one a line from the start to its fate, without opening the window.</source>
        <translation>Affiche les moments de l’évolution que FICHIER lance sur le plateau, un par ligne du début jusqu’à son destin, sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Give the file to tell the moments of.</source>
        <translation>Indiquez le fichier dont raconter les moments.</translation>
    </message>
    <message>
        <source>--describe, --moments and --export do not go together: give one of them.</source>
        <translation>--describe, --moments et --export ne vont pas ensemble : donnez l’une d’elles.</translation>
    </message>
</context>
<context>
    <name>quarn::Announcer</name>
    <message numerus="yes">
        <source>%n live</source>
        <translation>
            <numerusform>%n vivante</numerusform>
            <numerusform>%n vivantes</numerusform>
        </translation>
    </message>
    <message>
        <source>live</source>
        <translation>vivante</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>morte</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marche</translation>
    </message>
    <message>
        <source>Stopped at step %1</source>
        <translation>Arrêté au pas %1</translation>
    </message>
    <message>
        <source>%1: step %2, %3</source>
        <translation>%1 : pas %2, %3</translation>
    </message>
    <message>
        <source>Step %1, %2</source>
        <translation>Pas %1, %2</translation>
    </message>
</context>
<context>
    <name>quarn::BoardObjects</name>
    <message>
        <source>Cursor on row %1, column %2.</source>
        <translation>Curseur à la ligne %1, colonne %2.</translation>
    </message>
    <message numerus="yes">
        <source>Life has reached %n of %1 cells.</source>
        <translation>
            <numerusform>La vie a atteint %n cellule sur %1.</numerusform>
            <numerusform>La vie a atteint %n cellules sur %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::ExportDialog</name>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Générations :</translation>
    </message>
    <message>
        <source>“%1” already exists. Replace it?</source>
        <translation>« %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Le plateau</translation>
    </message>
    <message>
        <source>The board and its graph</source>
        <translation>Le plateau et son graphique</translation>
    </message>
    <message>
        <source>The graph alone</source>
        <translation>Le graphique seul</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Montrer :</translation>
    </message>
</context>
<context>
    <name>quarn::History</name>
    <message>
        <source>All On</source>
        <translation>Tout allumer</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 pas</translation>
    </message>
    <message>
        <source>Load Pattern</source>
        <translation>Charger un motif</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Basculer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Go Back to Step %1</source>
        <translation>Revenir au pas %1</translation>
    </message>
    <message>
        <source>Go to Step %1</source>
        <translation>Aller au pas %1</translation>
    </message>
</context>
<context>
    <name>quarn::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Ouvrir un &amp;exemple</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse…</source>
        <translation>&amp;Touches et souris…</translation>
    </message>
    <message>
        <source>&amp;About Game of Quarn</source>
        <translation>À &amp;propos de Game of Quarn</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Click a cell, any button</source>
        <translation>Clic sur une cellule, tout bouton</translation>
    </message>
    <message>
        <source>Switch it on or off</source>
        <translation>L&apos;allume ou l&apos;éteint</translation>
    </message>
    <message>
        <source>Drag from a cell</source>
        <translation>Glisser depuis une cellule</translation>
    </message>
    <message>
        <source>Set every cell passed over as the first went: draw or erase</source>
        <translation>Met chaque cellule survolée dans l&apos;état de la première : dessiner ou effacer</translation>
    </message>
    <message>
        <source>Drop a file or text</source>
        <translation>Déposer un fichier ou du texte</translation>
    </message>
    <message>
        <source>Load the pattern</source>
        <translation>Charge le motif</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Sur le plateau</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Move the cursor cell</source>
        <translation>Déplacent la cellule du curseur</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Début, Fin</translation>
    </message>
    <message>
        <source>First or last column</source>
        <translation>Première ou dernière colonne</translation>
    </message>
    <message>
        <source>Ctrl+Home, Ctrl+End</source>
        <translation>Ctrl+Début, Ctrl+Fin</translation>
    </message>
    <message>
        <source>First or last cell</source>
        <translation>Première ou dernière cellule</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page préc., Page suiv.</translation>
    </message>
    <message>
        <source>Ten rows up or down</source>
        <translation>Dix rangées vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>Switch the cursor cell on or off</source>
        <translation>Allume ou éteint la cellule du curseur</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Say the step and the live cells, with a screen reader</source>
        <translation>Annonce le pas et les cellules vivantes, avec un lecteur d&apos;écran</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>On to the buttons, and back</source>
        <translation>Vers les boutons, et retour</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Partout</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Appuie sur le bouton qui a le focus</translation>
    </message>
    <message>
        <source>Open a pattern</source>
        <translation>Ouvrir un motif</translation>
    </message>
    <message>
        <source>Save the board as a pattern</source>
        <translation>Enregistrer le plateau comme motif</translation>
    </message>
    <message>
        <source>Copy the board as RLE</source>
        <translation>Copier le plateau en RLE</translation>
    </message>
    <message>
        <source>Load the pattern on the clipboard</source>
        <translation>Charger le motif du presse-papiers</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Ouvrir les menus</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Touches et souris</translation>
    </message>
    <message>
        <source>About Game of Quarn</source>
        <translation>À propos de Game of Quarn</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Game of Quarn %1&lt;/h3&gt;&lt;p&gt;Runs a cellular automaton on a bounded board of 30 × 30 cells.&lt;/p&gt;&lt;p&gt;A dead cell with exactly three live neighbours is born; a live cell with two or three live neighbours stays alive; every other cell is dead in the next generation. Past the edge of the board, every cell is dead.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Game of Quarn %1&lt;/h3&gt;&lt;p&gt;Fait tourner un automate cellulaire sur un plateau borné de 30 × 30 cellules.&lt;/p&gt;&lt;p&gt;Une cellule morte qui a exactement trois voisines vivantes naît ; une cellule vivante qui a deux ou trois voisines vivantes reste en vie ; toute autre cellule est morte à la génération suivante. Au-delà du bord du plateau, toute cellule est morte.&lt;/p&gt;&lt;p&gt;Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objets</translation>
    </message>
    <message>
        <source>Rest the pointer on an object</source>
        <translation>Laisser le pointeur sur un objet</translation>
    </message>
    <message>
        <source>What it is and where, in a tip</source>
        <translation>Ce qu&apos;il est et où, dans une bulle</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>N, Shift+N</source>
        <translation>N, Maj+N</translation>
    </message>
    <message>
        <source>The objects on the board, in a window of their own</source>
        <translation>Les objets du plateau, dans une fenêtre à eux</translation>
    </message>
    <message>
        <source>Say what is on the board and what becomes of it, and show it in a tip</source>
        <translation>Dire ce qui est sur le plateau et ce qu&apos;il devient, et l&apos;afficher dans une bulle</translation>
    </message>
    <message>
        <source>To the next or the previous object: say what it is, and show it in a tip</source>
        <translation>Vers l&apos;objet suivant ou précédent : dire ce qu&apos;il est, et l&apos;afficher dans une bulle</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Population</translation>
    </message>
    <message>
        <source>The population graph</source>
        <translation>Le graphique de la population</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>The step before or after, said</source>
        <translation>Le pas d&apos;avant ou d&apos;après, dit</translation>
    </message>
    <message>
        <source>The first or the last step</source>
        <translation>Le premier ou le dernier pas</translation>
    </message>
    <message>
        <source>A tenth of the steps back or on</source>
        <translation>Un dixième des pas en arrière ou en avant</translation>
    </message>
    <message>
        <source>H, L</source>
        <translation>H, L</translation>
    </message>
    <message>
        <source>The highest or the lowest point</source>
        <translation>Le point le plus haut ou le plus bas</translation>
    </message>
    <message>
        <source>Say the summary: the start, the highest, the lowest, now</source>
        <translation>Dire le résumé : le début, le plus haut, le plus bas, maintenant</translation>
    </message>
    <message>
        <source>Copy the steps as CSV, for a spreadsheet</source>
        <translation>Copier les pas en CSV, pour un tableur</translation>
    </message>
    <message>
        <source>The live cells at each step, in a graph</source>
        <translation>Les cellules vivantes à chaque pas, en graphique</translation>
    </message>
    <message>
        <source>Export &amp;Picture…</source>
        <translation>Exporter une &amp;image…</translation>
    </message>
    <message>
        <source>Export A&amp;nimation…</source>
        <translation>Exporter une a&amp;nimation…</translation>
    </message>
    <message>
        <source>&amp;Trail</source>
        <translation>&amp;Traînée</translation>
    </message>
    <message>
        <source>Show where life has been since the last fill or load</source>
        <translation>Montrer où la vie est passée depuis le dernier remplissage ou chargement</translation>
    </message>
    <message>
        <source>&amp;Sound While Running</source>
        <translation>&amp;Son pendant la marche</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Hear the graph as tones, higher for more cells; P again or Escape stops</source>
        <translation>Entendre le graphique en sons, plus aigus pour plus de cellules ; P de nouveau ou Échap arrête</translation>
    </message>
    <message>
        <source>Hear each generation of a run as a tone</source>
        <translation>Entendre chaque génération d&apos;une marche comme un son</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Run the board, or stop it, as Go and Stop do</source>
        <translation>Lancer le plateau ou l’arrêter, comme Lancer et Arrêter</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Say why the cursor cell lives or dies at the next step, and show it in a tip</source>
        <translation>Dire pourquoi la cellule du curseur vit ou meurt à l’étape suivante, et l’afficher dans une bulle</translation>
    </message>
    <message>
        <source>&amp;Next Generation</source>
        <translation>&amp;Génération suivante</translation>
    </message>
    <message>
        <source>Rest the pointer on a cell, with the next generation shown</source>
        <translation>Laisser le pointeur sur une cellule, la génération suivante affichée</translation>
    </message>
    <message>
        <source>Why it lives or dies at the next step, in a tip</source>
        <translation>Pourquoi elle vit ou meurt à l’étape suivante, dans une bulle</translation>
    </message>
    <message>
        <source>Mark the cells about to be born with a ring, those about to die with a cross</source>
        <translation>Marquer d’un anneau les cellules sur le point de naître, d’une croix celles sur le point de mourir</translation>
    </message>
    <message>
        <source>M, Shift+M</source>
        <translation>M, Maj+M</translation>
    </message>
    <message>
        <source>Run the board to the next moment of its run and say it; back to the moment before</source>
        <translation>Faire tourner le plateau jusqu’au prochain moment de son évolution et le dire ; revenir au moment d’avant</translation>
    </message>
    <message>
        <source>&amp;Moments</source>
        <translation>&amp;Moments</translation>
    </message>
    <message>
        <source>The moments of the run, in a list: Enter takes the board to one</source>
        <translation>Les moments de l’évolution, dans une liste : Entrée mène le plateau à l’un d’eux</translation>
    </message>
    <message>
        <source>The next or the previous moment of the run, said</source>
        <translation>Le moment suivant ou précédent de l’évolution, dit</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Take the board to the marked step</source>
        <translation>Mener le plateau au pas marqué</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsModel</name>
    <message>
        <source>Passed. %1</source>
        <translation>Passé. %1</translation>
    </message>
    <message>
        <source>Ahead. %1</source>
        <translation>À venir. %1</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsTour</name>
    <message>
        <source>No moment ahead.</source>
        <translation>Plus aucun moment à venir.</translation>
    </message>
    <message>
        <source>No moment before: this is where the way began.</source>
        <translation>Aucun moment avant : c’est ici que le chemin a commencé.</translation>
    </message>
    <message>
        <source>Next, at step %1: %2</source>
        <translation>Ensuite, au pas %1 : %2</translation>
    </message>
</context>
<context>
    <name>quarn::MomentsWindow</name>
    <message>
        <source>Moments</source>
        <translation>Moments</translation>
    </message>
    <message>
        <source>The moments of the run, from its start or the last edit to its fate. Enter takes the board to one.</source>
        <translation>Les moments de l’évolution, de son début ou de la dernière modification jusqu’à son destin. Entrée mène le plateau à l’un d’eux.</translation>
    </message>
    <message>
        <source>Finding the moments of the run…</source>
        <translation>Recherche des moments de l’évolution…</translation>
    </message>
</context>
<context>
    <name>quarn::ObjectsWindow</name>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
</context>
<context>
    <name>quarn::PatternFile</name>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>Could not open “%1”.</source>
        <translation>Impossible d&apos;ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>%1 is not a pattern the board can take.</source>
        <translation>%1 n&apos;est pas un motif que le plateau peut accueillir.</translation>
    </message>
</context>
<context>
    <name>quarn::PatternFileReader</name>
    <message>
        <source>The file is larger than 1 MiB, far more than any pattern for this board needs.</source>
        <translation>Le fichier dépasse 1 Mio, bien plus qu&apos;il n&apos;en faut à tout motif pour ce plateau.</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, and was lost on the way here.</source>
        <translation>Son nom n&apos;est pas de l&apos;UTF-8 valide et s&apos;est perdu en chemin.</translation>
    </message>
    <message>
        <source>There is no folder “%1”.</source>
        <translation>Il n&apos;y a pas de dossier « %1 ».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C&apos;est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>C&apos;est un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe, and nothing came through it for %n seconds.</source>
        <translation>
            <numerusform>C&apos;est un tube, et rien n&apos;y est passé pendant %n seconde.</numerusform>
            <numerusform>C&apos;est un tube, et rien n&apos;y est passé pendant %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It is a pipe that stopped sending after %n bytes: nothing more came for %1 seconds.</source>
        <translation>
            <numerusform>C&apos;est un tube qui a cessé d&apos;envoyer après %n octet&#xa0;: plus rien n&apos;est venu pendant %1 secondes.</numerusform>
            <numerusform>C&apos;est un tube qui a cessé d&apos;envoyer après %n octets&#xa0;: plus rien n&apos;est venu pendant %1 secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PatternTransfer</name>
    <message>
        <source>Patterns (*.rle *.cells *.txt);;All files (*)</source>
        <translation>Motifs (*.rle *.cells *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>RLE pattern (*.rle)</source>
        <translation>Motif RLE (*.rle)</translation>
    </message>
    <message>
        <source>Plaintext pattern (*.cells)</source>
        <translation>Motif en texte brut (*.cells)</translation>
    </message>
    <message>
        <source>The dropped text</source>
        <translation>Le texte déposé</translation>
    </message>
    <message>
        <source>The text on the clipboard</source>
        <translation>Le texte du presse-papiers</translation>
    </message>
    <message>
        <source>Could not open the example “%1”.</source>
        <translation>Impossible d&apos;ouvrir l&apos;exemple « %1 ».</translation>
    </message>
    <message>
        <source>The example “%1”</source>
        <translation>L&apos;exemple « %1 »</translation>
    </message>
    <message>
        <source>Open Pattern</source>
        <translation>Ouvrir un motif</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Enregistrer le motif</translation>
    </message>
    <message>
        <source>Could not save “%1”.</source>
        <translation>Impossible d&apos;enregistrer « %1 ».</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>Copied the board as a pattern.</source>
        <translation>Plateau copié comme motif.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
</context>
<context>
    <name>quarn::PictureExport</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exporter une animation</translation>
    </message>
    <message>
        <source>Making the animation…</source>
        <translation>L&apos;animation se fait…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>L&apos;image n&apos;a pas pu être faite.</translation>
    </message>
    <message>
        <source>Could not export “%1”.</source>
        <translation>Impossible d&apos;exporter « %1 ».</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n pictures.</source>
        <translation>
            <numerusform>%1 enregistré : %n image.</numerusform>
            <numerusform>%1 enregistré : %n images.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::PopulationGraph</name>
    <message>
        <source>and on</source>
        <translation>et au-delà</translation>
    </message>
    <message>
        <source>%1 And on.</source>
        <translation>%1 Et au-delà.</translation>
    </message>
    <message>
        <source>Copied the steps as CSV.</source>
        <translation>Pas copiés au format CSV.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1, ahead: %n live cells.</source>
        <translation>
            <numerusform>Pas %1, à venir : %n cellule vivante.</numerusform>
            <numerusform>Pas %1, à venir : %n cellules vivantes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %n live cells, %2 born, %3 died.</source>
        <translation>
            <numerusform>Pas %1 : %n cellule vivante, %2 nées, %3 mortes.</numerusform>
            <numerusform>Pas %1 : %n cellules vivantes, %2 nées, %3 mortes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At step %1: %n live cells.</source>
        <translation>
            <numerusform>Au pas %1 : %n cellule vivante.</numerusform>
            <numerusform>Au pas %1 : %n cellules vivantes.</numerusform>
        </translation>
    </message>
    <message>
        <source>From step %1 to step %2: %3, at most %4 at step %5, at least %6 at step %7, %8 now.</source>
        <translation>Du pas %1 au pas %2 : %3, au plus %4 au pas %5, au moins %6 au pas %7, %8 maintenant.</translation>
    </message>
    <message numerus="yes">
        <source>%n live cells at the start</source>
        <translation>
            <numerusform>%n cellule vivante au début</numerusform>
            <numerusform>%n cellules vivantes au début</numerusform>
        </translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Live cells</source>
        <translation>Cellules vivantes</translation>
    </message>
    <message>
        <source>No moment before this step.</source>
        <translation>Aucun moment avant ce pas.</translation>
    </message>
    <message>
        <source>No moment after this step.</source>
        <translation>Aucun moment après ce pas.</translation>
    </message>
</context>
<context>
    <name>quarn::PopulationWindow</name>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
</context>
<context>
    <name>quarn::RuleAtWork</name>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it is born at the next step.</source>
        <translation>
            <numerusform>Ligne %1, colonne %2&#xa0;: morte, %n voisine vivante&#xa0;: elle naît à l’étape suivante.</numerusform>
            <numerusform>Ligne %1, colonne %2&#xa0;: morte, %n voisines vivantes&#xa0;: elle naît à l’étape suivante.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: dead, %n live neighbours: it stays dead.</source>
        <translation>
            <numerusform>Ligne %1, colonne %2&#xa0;: morte, %n voisine vivante&#xa0;: elle reste morte.</numerusform>
            <numerusform>Ligne %1, colonne %2&#xa0;: morte, %n voisines vivantes&#xa0;: elle reste morte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it lives on.</source>
        <translation>
            <numerusform>Ligne %1, colonne %2&#xa0;: vivante, %n voisine vivante&#xa0;: elle continue de vivre.</numerusform>
            <numerusform>Ligne %1, colonne %2&#xa0;: vivante, %n voisines vivantes&#xa0;: elle continue de vivre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with fewer than 2.</source>
        <translation>
            <numerusform>Ligne %1, colonne %2&#xa0;: vivante, %n voisine vivante&#xa0;: elle meurt à l’étape suivante, avec moins de 2.</numerusform>
            <numerusform>Ligne %1, colonne %2&#xa0;: vivante, %n voisines vivantes&#xa0;: elle meurt à l’étape suivante, avec moins de 2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row %1, column %2: live, %n live neighbours: it dies at the next step, with more than 3.</source>
        <translation>
            <numerusform>Ligne %1, colonne %2&#xa0;: vivante, %n voisine vivante&#xa0;: elle meurt à l’étape suivante, avec plus de 3.</numerusform>
            <numerusform>Ligne %1, colonne %2&#xa0;: vivante, %n voisines vivantes&#xa0;: elle meurt à l’étape suivante, avec plus de 3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of its 8 neighbours are on the board: the cells beyond the edge are always dead.</source>
        <translation>
            <numerusform>Seule %n de ses 8 voisines est sur le plateau&#xa0;: les cellules au-delà du bord sont toujours mortes.</numerusform>
            <numerusform>Seules %n de ses 8 voisines sont sur le plateau&#xa0;: les cellules au-delà du bord sont toujours mortes.</numerusform>
        </translation>
    </message>
    <message>
        <source>At the next step %1 and %2.</source>
        <translation>À l’étape suivante, %1 et %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells are born</source>
        <translation>
            <numerusform>%n cellule naît</numerusform>
            <numerusform>%n cellules naissent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n meurt</numerusform>
            <numerusform>%n meurent</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarn::SoundPlayer</name>
    <message>
        <source>No sound output is available.</source>
        <translation>Aucune sortie son n&apos;est disponible.</translation>
    </message>
</context>
<context>
    <name>quarn::frmDisplay</name>
    <message>
        <source>Steps: %1</source>
        <translation>Pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game of Quarn</source>
        <translation>Game of Quarn</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Tout allumer</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>1 Step</source>
        <translation>1 pas</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>All on</source>
        <translation>Tout allumé</translation>
    </message>
    <message>
        <source>All off</source>
        <translation>Tout éteint</translation>
    </message>
    <message>
        <source>Pattern loaded</source>
        <translation>Motif chargé</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Trail shown.</source>
        <translation>Traînée affichée.</translation>
    </message>
    <message>
        <source>Trail hidden.</source>
        <translation>Traînée masquée.</translation>
    </message>
    <message>
        <source>Sound while running on.</source>
        <translation>Son pendant la marche activé.</translation>
    </message>
    <message>
        <source>Sound while running off.</source>
        <translation>Son pendant la marche désactivé.</translation>
    </message>
    <message>
        <source>Next generation shown.</source>
        <translation>Génération suivante affichée.</translation>
    </message>
    <message>
        <source>Next generation hidden.</source>
        <translation>Génération suivante masquée.</translation>
    </message>
    <message>
        <source>Running to step %1.</source>
        <translation>En marche jusqu’au pas %1.</translation>
    </message>
    <message>
        <source>Step %1 came before the board was last changed, at step %2: undo goes back past it.</source>
        <translation>Le pas %1 précède la dernière modification du plateau, au pas %2 : annuler permet de revenir au-delà.</translation>
    </message>
    <message>
        <source>The count goes no further than step %1.</source>
        <translation>Le compte ne va pas au-delà du pas %1.</translation>
    </message>
</context>
</TS>
