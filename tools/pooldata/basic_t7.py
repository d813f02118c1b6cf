"""Basic topic 7: feed lines and antennas."""

from basic_util import parse
import basic_calc as c

TITLE = ("Feed lines and antennas", "Lignes de transmission et antennes")

S01 = c.wavelength([("3.6", ), (50, ), ("14.2", )]) + c.frequency_of([(2, ), (80, ), ("0.7", )]) + parse("""
Radio waves are electromagnetic waves, like light. At what speed do they travel in free space?
About 300,000 km per second, the speed of light
About 300 m per second, the speed of sound in air
About 3,000 km per second, a hundredth of the speed of light
About 30,000 km per hour, the speed of a satellite
Les ondes radio sont des ondes électromagnétiques, comme la lumière. À quelle vitesse se propagent-elles dans le vide ?
Environ 300 000 km par seconde, la vitesse de la lumière
Environ 300 m par seconde, la vitesse du son dans l'air
Environ 3000 km par seconde, un centième de la vitesse de la lumière
Environ 30 000 km par heure, la vitesse d'un satellite

What is the relationship between frequency and wavelength?
Wavelength in metres = 300 / frequency in MHz
Wavelength in metres = frequency in MHz × 300, so higher bands have longer waves
Wavelength equals the frequency in kHz
They are not related
Quelle relation y a-t-il entre fréquence et longueur d'onde ?
Longueur d'onde en mètres = 300 / fréquence en MHz
Longueur d'onde en mètres = fréquence en MHz × 300, les bandes hautes ayant des ondes plus longues
La longueur d'onde est égale à la fréquence en kHz
Elles n'ont aucun rapport

You move from one band to another band at twice the frequency. What happens to the wavelength of your signal?
It is halved
It is doubled
It stays the same
It is four times longer
Vous passez d'une bande à une autre de fréquence double. Que devient la longueur d'onde de votre signal ?
Elle est divisée par deux
Elle double
Elle reste la même
Elle est quatre fois plus longue

Which of these amateur bands has the longest wavelength, and so needs the largest full-size antennas?
The 160 m band, around 1.8 MHz
The 10 m band, around 28 MHz
The 2 m band, around 144 MHz
The 70 cm band, around 430 MHz
Laquelle de ces bandes amateurs a la plus grande longueur d'onde, et exige donc les plus grandes antennes pleine taille ?
La bande des 160 m, vers 1,8 MHz
La bande des 10 m, vers 28 MHz
La bande des 2 m, vers 144 MHz
La bande des 70 cm, vers 430 MHz
""")

S02 = parse("""
What is the purpose of a feed line?
To carry RF between the radio and the antenna with little loss
To radiate the signal in all directions before it reaches the antenna
To supply DC power to the antenna
To tune the antenna to resonance
À quoi sert une ligne d'alimentation (descente) ?
À transporter la HF entre le poste et l'antenne avec peu de pertes
À rayonner le signal dans toutes les directions avant l'antenne
À alimenter l'antenne en courant continu
À accorder l'antenne à la résonance

What is the structure of a coaxial cable?
A centre conductor in a dielectric, inside a shield and a jacket
Two parallel wires held apart by plastic spacers at regular intervals
A single insulated wire
A hollow metal tube with no centre conductor
Quelle est la structure d'un câble coaxial ?
Un conducteur central dans un diélectrique, sous un blindage et une gaine
Deux fils parallèles maintenus écartés par des entretoises en plastique régulières
Un seul fil isolé
Un tube métallique creux sans conducteur central

Most amateur transceivers are designed for a coaxial feed line of which characteristic impedance?
50 ohms
75 ohms
300 ohms
600 ohms
La plupart des émetteurs-récepteurs amateurs sont conçus pour une ligne coaxiale de quelle impédance caractéristique ?
50 ohms
75 ohms
300 ohms
600 ohms

What determines the characteristic impedance of a coaxial cable?
Its conductor diameters and its dielectric
Its length, measured in wavelengths at the operating frequency
The power applied to it
The frequency of the signal only
Qu'est-ce qui détermine l'impédance caractéristique d'un câble coaxial ?
Les diamètres de ses conducteurs et son diélectrique
Sa longueur, mesurée en longueurs d'onde à la fréquence de travail
La puissance qui lui est appliquée
La seule fréquence du signal

How does the loss of a coaxial cable change with frequency?
It increases as the frequency rises
It decreases as the frequency rises
It stays the same at all frequencies
It is only present at audio frequencies
Comment varient les pertes d'un câble coaxial avec la fréquence ?
Elles augmentent quand la fréquence monte
Elles diminuent quand la fréquence monte
Elles restent les mêmes à toutes les fréquences
Elles n'existent qu'aux fréquences audio

Why is a thick, low-loss coaxial cable worth its price for a long run to a UHF antenna?
UHF losses are high; thin cable could waste most of the power
Thick cable has a higher impedance, which suits UHF antennas better
Thin cable cannot carry UHF at all
Thick cable radiates better
Pourquoi un câble coaxial épais à faibles pertes vaut-il son prix pour une grande longueur vers une antenne UHF ?
Les pertes sont élevées en UHF ; un câble fin gaspillerait l'essentiel de la puissance
Le câble épais a une impédance plus élevée, mieux adaptée aux antennes UHF
Le câble fin ne peut pas du tout transporter l'UHF
Le câble épais rayonne mieux

Why must the bending radius of coaxial cable not be too small?
A sharp bend can deform the dielectric and spoil the cable
Bends make the cable radiate as an antenna, raising the SWR
Bends increase the voltage rating
A sharp bend has no effect at all
Pourquoi le rayon de courbure d'un câble coaxial ne doit-il pas être trop petit ?
Un coude serré peut déformer le diélectrique et abîmer le câble
Les coudes font rayonner le câble comme une antenne et font monter le ROS
Les coudes augmentent la tenue en tension
Un coude serré n'a aucun effet

Why does water inside a coaxial cable increase its loss?
Water is a lossy dielectric and corrodes the conductors
Water lowers the frequency
Water makes the cable lighter
Water raises the velocity factor to 1 and detunes the line
Pourquoi de l'eau dans un câble coaxial augmente-t-elle ses pertes ?
L'eau est un diélectrique à pertes et corrode les conducteurs
L'eau abaisse la fréquence
L'eau allège le câble
L'eau porte le coefficient de vélocité à 1 et désaccorde la ligne

Coaxial cable of 75 ohms is very common and cheap. What is it mainly used for?
TV and satellite receiving installations
Most amateur HF transmitters, whose outputs are 75 ohms
Mains wiring
Loudspeaker connections
Le câble coaxial de 75 ohms est très répandu et bon marché. À quoi sert-il principalement ?
Aux installations de réception TV et satellite
À la plupart des émetteurs HF amateurs, dont la sortie fait 75 ohms
Au câblage du secteur
Aux liaisons de haut-parleurs

Why does the outer shield of a properly used coaxial cable not radiate?
Equal, opposite currents inside keep the fields within the cable
The shield is made of non-conducting material
The shield is earthed at both ends only
The outer jacket absorbs all the radiation before it can escape
Pourquoi le blindage d'un câble coaxial correctement utilisé ne rayonne-t-il pas ?
Des courants égaux et opposés à l'intérieur gardent les champs dans le câble
Le blindage est en matériau non conducteur
Le blindage est mis à la terre aux deux bouts seulement
La gaine extérieure absorbe tout le rayonnement avant qu'il s'échappe
""")

S03 = c.coax_length([(14, "0.66", "half"), ("7.1", "0.82", "quarter"), (145, "0.66", "quarter")]) + parse("""
What is the velocity factor of a feed line?
Wave speed in the line divided by its speed in free space
The ratio of the line's length to its diameter, which sets its loss
The loss of the line per 100 m
The maximum power the line can carry
Qu'est-ce que le coefficient de vélocité d'une ligne ?
Vitesse de l'onde dans la ligne divisée par sa vitesse dans le vide
Le rapport entre longueur et diamètre de la ligne, qui fixe ses pertes
La perte de la ligne pour 100 m
La puissance maximale que la ligne peut supporter

What is the typical velocity factor of common coaxial cable with a solid polyethylene dielectric?
About 0.66
About 0.1
About 1.5
Exactly 1
Quel est le coefficient de vélocité typique d'un câble coaxial courant à diélectrique en polyéthylène plein ?
Environ 0,66
Environ 0,1
Environ 1,5
Exactement 1

Why is an electrical half wavelength of coaxial cable physically shorter than a half wavelength in free space?
Waves travel more slowly in the dielectric
The cable stretches when RF passes through it
The cable's loss shortens each wave in proportion to its length
It is not; they are always equal
Pourquoi une demi-longueur d'onde électrique de câble coaxial est-elle physiquement plus courte qu'une demi-longueur d'onde dans le vide ?
Les ondes vont plus lentement dans le diélectrique
Le câble s'allonge quand la HF le traverse
Les pertes du câble raccourcissent chaque onde en proportion de sa longueur
C'est faux ; elles sont toujours égales

What is a balanced feed line such as ladder line or open-wire line?
Two parallel conductors with equal, opposite currents
A coaxial cable with two shields, one inside the other
A single wire above the ground
A waveguide for microwaves
Qu'est-ce qu'une ligne symétrique, comme l'échelle à grenouille ou la ligne bifilaire ouverte ?
Deux conducteurs parallèles aux courants égaux et opposés
Un câble coaxial à deux blindages, l'un dans l'autre
Un fil unique au-dessus du sol
Un guide d'ondes pour hyperfréquences

What is the main advantage of open-wire line over coaxial cable at HF?
Very low loss, even with a high SWR on the line
It needs no care in routing near metal objects
It is the same impedance as the transmitter
It is easier to bury underground
Quel est le principal avantage de la ligne bifilaire ouverte sur le câble coaxial en HF ?
Des pertes très faibles, même avec un ROS élevé sur la ligne
Aucune précaution à prendre près des objets métalliques
La même impédance que l'émetteur
Elle s'enterre plus facilement

Why must open-wire line be kept away from metal gutters and other conductors?
Nearby metal upsets its balance, causing loss and radiation
Metal attracts lightning only to open-wire lines, never to coax
Conductors nearby make it too short
It must not; open-wire line is unaffected by its surroundings
Pourquoi faut-il éloigner la ligne bifilaire ouverte des gouttières métalliques et autres conducteurs ?
Le métal voisin perturbe son équilibre, d'où pertes et rayonnement
Le métal n'attire la foudre que sur les lignes bifilaires, jamais sur le coaxial
Les conducteurs proches la raccourcissent
C'est inutile ; la ligne bifilaire n'est pas affectée par son environnement

What is the typical characteristic impedance of the ladder line used by amateurs to feed multiband wire antennas?
About 300 to 600 ohms
About 50 ohms
About 5 ohms
About 10 kilohms
Quelle est l'impédance caractéristique typique de l'échelle à grenouille employée par les radioamateurs pour alimenter les antennes filaires multibandes ?
Environ 300 à 600 ohms
Environ 50 ohms
Environ 5 ohms
Environ 10 kilohms
""")

S04 = c.swr([(100, ), (25, ), (75, )]) + parse("""
What does SWR (standing wave ratio) measure?
How well the load matches the line; 1:1 is perfect
The power output of the transmitter
The loss of the feed line in decibels at the operating frequency
The frequency of the signal
Que mesure le ROS (rapport d'ondes stationnaires) ?
L'adaptation de la charge à la ligne ; 1:1 est parfait
La puissance de sortie de l'émetteur
La perte de la ligne en décibels à la fréquence de travail
La fréquence du signal

An SWR meter shows standing waves on the coaxial cable to your antenna. What causes standing waves on a feed line?
Power reflected from a mismatched load
The transmitter is too powerful for the cable used
The feed line is too short for the band in use
The antenna is perfectly matched, so energy piles up
Un ROS-mètre révèle des ondes stationnaires sur le câble coaxial de votre antenne. Qu'est-ce qui crée des ondes stationnaires sur une ligne ?
La puissance réfléchie par une charge désadaptée
L'émetteur est trop puissant pour le câble utilisé
La ligne est trop courte pour la bande utilisée
L'antenne est parfaitement adaptée, l'énergie s'accumule donc

What happens to the reflected power on a feed line to a mismatched antenna, in the end?
Mostly re-reflected to the antenna, less extra line loss
It is all turned into heat in the antenna elements
It always destroys the transmitter
It radiates from the microphone
Que devient finalement la puissance réfléchie sur une ligne vers une antenne désadaptée ?
Surtout renvoyée vers l'antenne, moins des pertes de ligne
Elle est entièrement transformée en chaleur dans les éléments de l'antenne
Elle détruit toujours l'émetteur
Elle est rayonnée par le microphone

Why do many modern transceivers reduce their output power automatically when the SWR is high?
To protect the output transistors
To make the signal cleaner
To improve the antenna's gain when it is not resonant
To save electricity at night
Pourquoi de nombreux émetteurs-récepteurs modernes réduisent-ils automatiquement leur puissance quand le ROS est élevé ?
Pour protéger les transistors de sortie
Pour rendre le signal plus propre
Pour améliorer le gain de l'antenne quand elle n'est pas résonante
Pour économiser l'électricité la nuit

An SWR meter reads very high on every band, and suddenly. What is a likely cause?
A broken feed line, a faulty connector or a fallen antenna
The ionosphere has changed
The transmitter's frequency display has failed
The microphone is unplugged
Un ROS-mètre indique soudain un ROS très élevé sur toutes les bandes. Quelle est une cause probable ?
Une ligne coupée, un connecteur défectueux ou une antenne tombée
L'ionosphère a changé
L'affichage de fréquence de l'émetteur est en panne
Le microphone est débranché

Why can the SWR measured at the transmitter look better than at the antenna on a long, lossy cable?
Loss weakens the reflected wave on its way back
Long cables improve the match
The SWR meter always reads low on long cables because of heat
The SWR is always identical at both ends, whatever the cable loss
Pourquoi le ROS mesuré à l'émetteur peut-il paraître meilleur qu'à l'antenne sur un câble long et à pertes ?
Les pertes affaiblissent l'onde réfléchie au retour
Les câbles longs améliorent l'adaptation
Le ROS-mètre indique toujours moins sur un câble long à cause de la chaleur
Le ROS est toujours le même aux deux bouts, quelles que soient les pertes

At what frequency is the SWR of a simple resonant antenna usually lowest?
Near its resonant frequency
At twice its resonant frequency
At the lowest frequency of the transmitter
At all frequencies equally
À quelle fréquence le ROS d'une antenne résonante simple est-il généralement le plus bas ?
Près de sa fréquence de résonance
Au double de sa fréquence de résonance
À la plus basse fréquence de l'émetteur
À toutes les fréquences de la même façon
""")

S05 = parse("""
What does an antenna tuner (antenna matching unit) do?
It transforms the impedance at the line's end to 50 ohms
It makes the antenna itself resonant at every frequency it covers
It increases the gain of the antenna
It removes the need for a feed line
Que fait une boîte d'accord (coupleur d'antenne) ?
Elle transforme en 50 ohms l'impédance au bout de la ligne
Elle rend l'antenne elle-même résonante à toutes les fréquences couvertes
Elle augmente le gain de l'antenne
Elle supprime le besoin d'une ligne

An antenna tuner is placed at the transmitter. What happens to the SWR on the coaxial cable between the tuner and the antenna?
It is unchanged
It falls to 1:1, like the SWR seen by the transmitter
It doubles
It becomes zero
Une boîte d'accord est placée à l'émetteur. Que devient le ROS sur le câble coaxial entre la boîte et l'antenne ?
Il est inchangé
Il tombe à 1:1, comme celui que voit l'émetteur
Il double
Il devient nul

Dipole kits often include a balun at the centre insulator. What is a balun?
A device joining a balanced load to an unbalanced line
A meter for measuring the balance of a dipole's two halves
A type of coaxial connector used at the feed point
A fuse that protects the antenna against overload
Les kits de dipôle comprennent souvent un balun à l'isolateur central. Qu'est-ce qu'un balun ?
Un dispositif reliant une charge symétrique à une ligne asymétrique
Un appareil qui mesure l'équilibre des deux brins d'un dipôle
Un type de connecteur coaxial utilisé au point d'alimentation
Un fusible qui protège l'antenne contre les surcharges

Why is a choke balun often fitted where coaxial cable feeds a dipole?
To stop RF current on the outside of the shield
To double the power
To lower the resonant frequency
To let DC from the transceiver reach the antenna for remote switching
Pourquoi place-t-on souvent un balun à choc (self de mode commun) là où le coaxial alimente un dipôle ?
Pour arrêter le courant HF sur l'extérieur du blindage
Pour doubler la puissance
Pour abaisser la fréquence de résonance
Pour que le continu de l'émetteur-récepteur atteigne l'antenne pour une commutation

What are common-mode currents on a feed line?
Currents flowing one way on the outside of the line
The normal equal and opposite currents inside a coaxial cable
Currents from the mains supply
Currents in the antenna tuner only
Que sont les courants de mode commun sur une ligne ?
Des courants de même sens sur l'extérieur de la ligne
Les courants normaux égaux et opposés à l'intérieur d'un coaxial
Des courants venant du secteur
Des courants présents seulement dans la boîte d'accord

Why should you tune an antenna tuner at low power first?
To spare the equipment and limit interference while tuning
Because tuners only work at low power
To make the antenna resonant
Because high power always breaks tuners, whatever their rating
Pourquoi faut-il d'abord régler une boîte d'accord à faible puissance ?
Pour ménager le matériel et limiter la gêne pendant le réglage
Parce que les boîtes d'accord ne fonctionnent qu'à faible puissance
Pour rendre l'antenne résonante
Parce qu'une forte puissance casse toujours les boîtes, quel que soit leur calibre

What does an automatic antenna tuner do?
It finds a match by itself when the transmitter sends a carrier
It turns the antenna towards the strongest station on the band
It switches off the transmitter when the SWR is high
It tunes the receiver to a clear frequency
Que fait une boîte d'accord automatique ?
Elle trouve seule l'adaptation quand l'émetteur envoie une porteuse
Elle oriente l'antenne vers la station la plus forte de la bande
Elle coupe l'émetteur quand le ROS est élevé
Elle accorde le récepteur sur une fréquence libre

Why can an antenna tuner at the transmitter not make a very poor antenna radiate well?
It only matches; losses in line and antenna remain
It adds gain only on the lower bands
It works only with resonant antennas
It can; a tuner turns any wire into an efficient antenna on any band
Pourquoi une boîte d'accord à l'émetteur ne peut-elle pas faire bien rayonner une très mauvaise antenne ?
Elle ne fait qu'adapter ; les pertes de ligne et d'antenne demeurent
Elle n'ajoute du gain que sur les bandes basses
Elle ne fonctionne qu'avec des antennes résonantes
Elle le peut ; une boîte d'accord fait de tout fil une antenne efficace sur toute bande

What is the impedance ratio of a 4:1 balun?
A factor of four, e.g. 200 ohms to 50 ohms
It transforms 4 W of power into 1 W at the antenna
It divides the frequency by four
It adds 4 dB of gain
Quel est le rapport d'impédance d'un balun 4:1 ?
Un facteur quatre, par exemple 200 ohms en 50 ohms
Il transforme 4 W de puissance en 1 W à l'antenne
Il divise la fréquence par quatre
Il ajoute 4 dB de gain

Where does a remote automatic tuner placed at the antenna feed point give its main advantage?
The line stays matched, keeping its losses low
It makes the antenna shorter
It increases the transmitter power
It removes the need for any ground or radials at the antenna
Quel est l'avantage principal d'une boîte d'accord automatique placée au point d'alimentation de l'antenne ?
La ligne reste adaptée et ses pertes restent faibles
Elle raccourcit l'antenne
Elle augmente la puissance de l'émetteur
Elle supprime le besoin de toute terre ou de tout radian à l'antenne
""")

S06 = c.dipole([("7.1", ), ("14.15", ), ("3.65", )]) + parse("""
What is a half-wave dipole?
Two equal conductors, half a wave long in all, fed at the centre
A single vertical conductor a quarter wave long
A loop of wire one wavelength around, fed at the bottom
An antenna made of a single point
Qu'est-ce qu'un dipôle demi-onde ?
Deux brins égaux, d'une demi-onde au total, alimentés au centre
Un conducteur vertical unique d'un quart d'onde
Une boucle de fil d'une longueur d'onde de tour, alimentée par le bas
Une antenne réduite à un point

What is the approximate impedance at the centre feed point of a half-wave dipole in free space, far from the ground?
About 73 ohms
About 300 ohms
About 5 ohms
About 2000 ohms
Quelle est environ l'impédance au point d'alimentation central d'un dipôle demi-onde dans l'espace libre, loin du sol ?
Environ 73 ohms
Environ 300 ohms
Environ 5 ohms
Environ 2000 ohms

You put up a horizontal half-wave dipole running east to west, well clear of the ground. In which directions does it radiate most strongly?
Broadside, at right angles to the wire: north and south
Off the ends of the wire: east and west
Straight up only, towards the ionosphere
Equally in all directions around the wire
Vous installez un dipôle demi-onde horizontal orienté est-ouest, bien dégagé du sol. Dans quelles directions rayonne-t-il le plus fort ?
Perpendiculairement au fil : vers le nord et le sud
Dans l'axe du fil : vers l'est et l'ouest
Seulement vers le haut, vers l'ionosphère
Également dans toutes les directions autour du fil

An SWR check shows that your new wire dipole has its lowest SWR below the band you want to use. What should you do?
Shorten both halves a little
Lengthen both halves
Use thicker coaxial cable
Raise the transmitter power
Une mesure de ROS montre que votre nouveau dipôle filaire a son ROS minimal au-dessous de la bande voulue. Que faites-vous ?
Raccourcir un peu les deux brins
Allonger les deux brins
Utiliser un câble coaxial plus épais
Augmenter la puissance de l'émetteur

Where are the current and the voltage highest along a half-wave dipole?
Current is highest at the centre, voltage is highest at the ends
Current and voltage are both highest at the ends
Current is highest at the ends, voltage at the centre
They are the same all along the wire
Où le courant et la tension sont-ils les plus élevés le long d'un dipôle demi-onde ?
Le courant est maximal au centre, la tension aux extrémités
Le courant et la tension sont maximaux aux extrémités
Le courant est maximal aux extrémités, la tension au centre
Ils sont identiques tout le long du fil

Why must the ends of a dipole be fitted with good insulators?
High RF voltages appear at the ends
The ends carry the highest current of the whole antenna
Insulators increase the antenna's gain
Insulators are only needed on receiving antennas
Pourquoi les extrémités d'un dipôle doivent-elles être munies de bons isolateurs ?
De fortes tensions HF apparaissent aux extrémités
Les extrémités portent le courant le plus fort de toute l'antenne
Les isolateurs augmentent le gain de l'antenne
Les isolateurs ne servent qu'aux antennes de réception

With only one tall support, many amateurs put up an inverted-V dipole. What is an inverted-V dipole?
A dipole held up at the centre, its halves sloping down
A dipole bent into a circle around the support
A vertical antenna whose radials point up towards the sky
A dipole fed at one end, from the top of the support
Avec un seul support élevé, de nombreux radioamateurs installent un dipôle en V inversé. Qu'est-ce que c'est ?
Un dipôle tenu au centre, ses brins descendant en pente
Un dipôle plié en cercle autour du support
Une antenne verticale dont les radians pointent vers le ciel
Un dipôle alimenté à un bout, depuis le haut du support
""")

S07 = c.quarter_wave([("14.2", ), ("7.1", ), (145, )]) + parse("""
What is a ground-plane antenna?
A quarter-wave vertical with radials as an artificial ground
A horizontal wire stretched close to the ground, for receiving
A dipole lying on the ground
A loop buried in the ground
Qu'est-ce qu'une antenne ground-plane ?
Une verticale quart d'onde avec des radians pour plan de sol
Un fil horizontal tendu près du sol, pour la réception
Un dipôle posé au sol
Une boucle enterrée

Why does a quarter-wave vertical antenna need a good ground or a set of radials?
They form the other half of the antenna and its return path
Radials stop lightning
Radials raise the SWR to a useful level
It does not; a vertical works just as well with no ground at all
Pourquoi une verticale quart d'onde a-t-elle besoin d'une bonne terre ou d'un ensemble de radians ?
Ils forment l'autre moitié de l'antenne et son retour de courant
Les radians arrêtent la foudre
Les radians élèvent le ROS à un niveau utile
C'est faux ; une verticale fonctionne aussi bien sans aucune terre

What is the feed-point impedance of a resonant quarter-wave vertical standing over a perfect ground plane?
About 36 ohms
About 73 ohms
About 300 ohms
About 600 ohms
Quelle est l'impédance au point d'alimentation d'une verticale quart d'onde résonante placée sur un plan de sol parfait ?
Environ 36 ohms
Environ 73 ohms
Environ 300 ohms
Environ 600 ohms

Seen from above, what is the horizontal radiation pattern of a single quarter-wave vertical antenna standing on its own?
Omnidirectional
A figure of eight, broadside to the radiator
Strongest to the north, because of the Earth's field
Concentrated in the direction of the feed line
Vue de dessus, quel est le diagramme de rayonnement horizontal d'une verticale quart d'onde seule ?
Omnidirectionnel
En huit, perpendiculaire au brin
Maximal vers le nord, à cause du champ terrestre
Concentré dans la direction de la ligne

Why are vertical antennas popular for long-distance work on the lower HF bands?
They radiate at low angles without a tall support
They need no feed line
They are always directional
They work without any losses in the ground, even with no radials
Pourquoi les antennes verticales sont-elles appréciées pour le trafic à grande distance sur les bandes HF basses ?
Elles rayonnent bas sans support très haut
Elles n'ont pas besoin de ligne
Elles sont toujours directives
Elles fonctionnent sans aucune perte dans le sol, même sans radians

What is a loading coil in a short vertical antenna for?
To bring a too-short antenna back to resonance
To protect it from lightning
To increase its bandwidth greatly on the lower bands
To convert it into a directional antenna
À quoi sert une bobine de charge dans une antenne verticale courte ?
À ramener une antenne trop courte à la résonance
À la protéger de la foudre
À augmenter beaucoup sa bande passante sur les bandes basses
À la transformer en antenne directive

What is the main drawback of a physically very short, loaded antenna?
Narrow bandwidth and lower efficiency
Too much gain
It works only on VHF
It cannot be matched to a 50-ohm line at all
Quel est le principal inconvénient d'une antenne physiquement très courte et chargée ?
Une bande étroite et un rendement plus faible
Un gain trop élevé
Elle ne fonctionne qu'en VHF
On ne peut pas du tout l'adapter à une ligne de 50 ohms
""")

S08 = parse("""
What is a Yagi antenna?
A directional antenna with a driven element, reflector and directors
An omnidirectional vertical with a ring of radials at its base
A loop antenna for receiving only
A dipole with a loading coil
Qu'est-ce qu'une antenne Yagi ?
Une antenne directive à élément alimenté, réflecteur et directeurs
Une verticale omnidirectionnelle avec une couronne de radians à sa base
Une boucle de réception seulement
Un dipôle avec une bobine de charge

In a Yagi, how does the reflector compare with the driven element?
It is slightly longer and placed behind it
It is slightly shorter and placed in front of it
It is the same length and fed with power
It is a wire running to the ground
Dans une Yagi, comment le réflecteur se compare-t-il à l'élément alimenté ?
Il est un peu plus long et placé derrière lui
Il est un peu plus court et placé devant lui
Il a la même longueur et est alimenté
C'est un fil descendant jusqu'au sol

In a Yagi, how do the directors compare with the driven element?
Slightly shorter, and in front of it
Slightly longer, and behind it, like the reflector
They are connected directly to the feed line
They are the same length as the boom
Dans une Yagi, comment les directeurs se comparent-ils à l'élément alimenté ?
Un peu plus courts, et devant lui
Un peu plus longs, et derrière lui, comme le réflecteur
Ils sont reliés directement à la ligne
Ils ont la même longueur que le boom

What is the front-to-back ratio of a directional antenna?
The ratio of the power radiated forward to that radiated backward
The ratio of the boom length to the element length
The SWR at the front of the antenna
The number of directors divided by the number of reflectors
Qu'est-ce que le rapport avant-arrière d'une antenne directive ?
Le rapport entre la puissance rayonnée vers l'avant et celle rayonnée vers l'arrière
Le rapport entre la longueur du boom et celle des éléments
Le ROS à l'avant de l'antenne
Le nombre de directeurs divisé par celui des réflecteurs

What is the effect of adding more directors to a Yagi, with a longer boom?
Higher gain and a narrower beam
Lower gain and a wider beam
The antenna becomes omnidirectional
The resonant frequency doubles
Quel est l'effet de l'ajout de directeurs à une Yagi, avec un boom plus long ?
Un gain plus élevé et un faisceau plus étroit
Un gain plus faible et un faisceau plus large
L'antenne devient omnidirectionnelle
La fréquence de résonance double

The data sheet of a Yagi gives its beamwidth. What is the beamwidth of a directional antenna?
The angle between the half-power directions
The length of the boom, expressed in wavelengths
The width of the elements, which sets the bandwidth
The bandwidth in kHz over which the SWR stays below 2:1
La fiche technique d'une Yagi indique l'ouverture de son faisceau. Qu'est-ce que l'ouverture d'une antenne directive ?
L'angle entre les directions à mi-puissance
La longueur du boom, exprimée en longueurs d'onde
La largeur des éléments, qui fixe la bande passante
La bande en kHz sur laquelle le ROS reste sous 2:1

Why is a directional antenna useful for receiving as well as transmitting?
It favours the wanted signal over noise from elsewhere
It removes the need for a receiver filter
It makes the receiver more sensitive in all directions at once
It only matters on transmit
Pourquoi une antenne directive est-elle utile en réception comme en émission ?
Elle favorise le signal voulu face au bruit venant d'ailleurs
Elle supprime le besoin de filtre au récepteur
Elle rend le récepteur plus sensible dans toutes les directions à la fois
Elle n'a d'intérêt qu'en émission

A Yagi is mounted on a mast with a rotator below it. What is the rotator used for?
Turning the antenna towards the wanted direction
Rotating the phase of the signal to change the polarisation
Winding coaxial cable on a drum
Tuning the antenna's length
Une Yagi est montée sur un mât avec un rotor au-dessous. À quoi sert le rotor ?
À orienter l'antenne dans la direction voulue
À faire tourner la phase du signal pour changer la polarisation
À enrouler le câble coaxial sur un tambour
À régler la longueur de l'antenne

What is a cubical quad antenna?
A directional antenna of square loops, each about a wavelength
A vertical with four radials
Four dipoles fed in phase on one mast, one per compass point
A small magnetic loop
Qu'est-ce qu'une antenne cubical quad ?
Une antenne directive de boucles carrées d'environ une longueur d'onde
Une verticale à quatre radians
Quatre dipôles alimentés en phase sur un mât, un par point cardinal
Une petite boucle magnétique

What does "stacking" two identical Yagis, correctly spaced and phased, give?
Extra gain, mainly from a narrower vertical beam
An omnidirectional pattern
Two separate bands
A lower SWR on both antennas, with no change in gain
Que procure le couplage (« stacking ») de deux Yagi identiques, correctement espacées et mises en phase ?
Un gain supplémentaire, surtout par un faisceau vertical plus étroit
Un diagramme omnidirectionnel
Deux bandes distinctes
Un ROS plus bas sur les deux antennes, sans changement de gain
""")

S09 = c.erp([(100, 3, 6), (50, 1, 10), (10, 2, 5)]) + parse("""
What is antenna gain?
Extra signal in a favoured direction versus a reference antenna
Extra power generated by the antenna itself from the received signal
The amplification provided by a preamplifier in the mast
The reduction of the SWR
Qu'est-ce que le gain d'une antenne ?
Le surcroît de signal dans une direction privilégiée par rapport à une antenne de référence
Une puissance supplémentaire produite par l'antenne elle-même à partir du signal reçu
L'amplification d'un préamplificateur en tête de mât
La réduction du ROS

What is the difference between gain in dBi and in dBd?
dBi refers to an isotropic source, dBd to a dipole; 0 dBd = 2.15 dBi
They are the same unit under two names
dBd is used only for vertical antennas
dBi includes the feed-line loss, whereas dBd gives the antenna alone
Quelle différence y a-t-il entre un gain en dBi et en dBd ?
Le dBi se réfère à une source isotrope, le dBd à un dipôle ; 0 dBd = 2,15 dBi
C'est la même unité sous deux noms
Le dBd ne s'emploie que pour les antennes verticales
Le dBi inclut la perte de ligne, alors que le dBd donne l'antenne seule

A maker states that an antenna has a gain of 8.15 dBi. Knowing that a half-wave dipole has a gain of about 2.15 dBi, what is its gain in dBd?
About 6 dBd
About 10.3 dBd, adding the two figures
About 8.15 dBd, since dBi and dBd are equal
About 16.3 dBd, doubling the figure
Un fabricant annonce qu'une antenne a un gain de 8,15 dBi. Sachant qu'un dipôle demi-onde a un gain d'environ 2,15 dBi, quel est son gain en dBd ?
Environ 6 dBd
Environ 10,3 dBd, en ajoutant les deux valeurs
Environ 8,15 dBd, puisque dBi et dBd sont égaux
Environ 16,3 dBd, en doublant la valeur

Antenna gains in dBi are compared with an isotropic radiator. What is an isotropic radiator?
A theoretical antenna that radiates equally in all directions
A real antenna kept as a standard in national laboratories
A dipole with a reflector, used as a reference
A vertical over a perfect ground plane
Les gains d'antenne en dBi se réfèrent à une source isotrope. Qu'est-ce qu'une source isotrope ?
Une antenne théorique qui rayonne également dans toutes les directions
Une antenne réelle conservée comme étalon dans les laboratoires nationaux
Un dipôle avec réflecteur, utilisé comme référence
Une verticale sur un plan de sol parfait

What is effective radiated power (ERP)?
Transmitter power less line loss, times antenna gain over a dipole
The DC input power of the transmitter, including its losses
The power measured at the transmitter output only
The power absorbed by the feed line
Qu'est-ce que la puissance apparente rayonnée (PAR) ?
Puissance de l'émetteur moins les pertes de ligne, multipliée par le gain sur un dipôle
La puissance continue d'entrée de l'émetteur, pertes comprises
La puissance mesurée seulement à la sortie de l'émetteur
La puissance absorbée par la ligne

Antenna catalogues often include a radiation pattern for each model. What does a radiation pattern show?
Radiation strength in each direction
The physical shape of the antenna seen from above
The SWR across the band, from one edge to the other
The path the coaxial cable should follow to the mast
Les catalogues d'antennes montrent souvent un diagramme de rayonnement pour chaque modèle. Que montre-t-il ?
L'intensité rayonnée dans chaque direction
La forme physique de l'antenne vue de dessus
Le ROS sur toute la bande, d'un bord à l'autre
Le trajet que doit suivre le câble coaxial jusqu'au mât

Can a passive antenna with gain radiate more total power than it receives from the transmitter?
No, it only concentrates the power in some directions
Yes, gain means that the antenna adds power of its own
Yes, but only at night
Yes, if the SWR is 1:1
Une antenne passive à gain peut-elle rayonner plus de puissance totale qu'elle n'en reçoit de l'émetteur ?
Non, elle concentre seulement la puissance dans certaines directions
Oui, le gain signifie que l'antenne ajoute sa propre puissance
Oui, mais seulement la nuit
Oui, si le ROS est de 1:1

Why can a 3 dB improvement in the antenna be worth as much as doubling the transmitter power?
3 dB doubles the ERP in the favoured direction, and helps receive too
Because a better antenna doubles the frequency
Because 3 dB equals 3 W
It cannot; only transmitter power counts, since the antenna adds no power
Pourquoi 3 dB gagnés sur l'antenne peuvent-ils valoir autant que le doublement de la puissance d'émission ?
3 dB doublent la PAR dans la direction privilégiée, et aident en réception
Parce qu'une meilleure antenne double la fréquence
Parce que 3 dB valent 3 W
C'est impossible ; seule la puissance compte, l'antenne n'en ajoutant pas
""")

S10 = parse("""
Antennas are described as horizontally or vertically polarised. What is the polarisation of a radio wave?
The direction of its electric field
The direction in which the wave travels away from the antenna
The frequency of the wave, high or low
The number of sidebands the wave carries
On dit des antennes qu'elles sont à polarisation horizontale ou verticale. Qu'est-ce que la polarisation d'une onde radio ?
L'orientation de son champ électrique
La direction dans laquelle l'onde s'éloigne de l'antenne
La fréquence de l'onde, haute ou basse
Le nombre de bandes latérales que porte l'onde

What happens on VHF if one station uses a vertical antenna and the other a horizontal one, over a direct path?
The signal is much weaker
The signal is stronger, since both polarisations add together
There is no effect at all
The signals change frequency
Que se passe-t-il en VHF si une station utilise une antenne verticale et l'autre une horizontale, en liaison directe ?
Le signal est beaucoup plus faible
Le signal est plus fort, les deux polarisations s'additionnant
Cela n'a aucun effet
Les signaux changent de fréquence

Which antenna polarisation is normally used for FM and repeater work on VHF and UHF, by both fixed and mobile stations?
Vertical
Horizontal
Circular
None in particular
Quelle polarisation d'antenne utilise-t-on normalement pour la FM et les relais en VHF et UHF, en station fixe comme en mobile ?
Verticale
Horizontale
Circulaire
Aucune en particulier

Which antenna polarisation is normally used for long-distance weak-signal SSB and CW work on VHF and UHF?
Horizontal
Vertical
Circular
Random
Quelle polarisation d'antenne utilise-t-on normalement pour le trafic à grande distance en BLU et CW à signaux faibles en VHF et UHF ?
Horizontale
Verticale
Circulaire
Aléatoire

Why is circular polarisation often used for satellite contacts?
It avoids deep fades as the satellite's orientation changes
It gives the most gain on HF, where satellites are heard
It is required by all repeaters
It needs no feed line
Pourquoi utilise-t-on souvent la polarisation circulaire pour les liaisons par satellite ?
Elle évite les évanouissements profonds quand le satellite tourne
Elle donne le plus de gain en HF, où l'on entend les satellites
Elle est exigée par tous les relais
Elle n'a pas besoin de ligne

Many VHF and UHF base stations use a collinear antenna on the roof. What is a collinear antenna?
Stacked half-wave sections fed in phase, for omnidirectional gain
A horizontal Yagi with twenty elements on a long boom
A short loaded whip, as used on hand-held radios
A dish with a feed horn at its focus
De nombreuses stations fixes VHF et UHF utilisent une antenne colinéaire sur le toit. Qu'est-ce qu'une colinéaire ?
Des sections demi-onde empilées en phase, pour un gain omnidirectionnel
Une Yagi horizontale à vingt éléments sur un long boom
Un fouet court chargé, comme sur les portatifs
Une parabole avec une source au foyer

Why does the rubber antenna of a hand-held radio perform worse than a full-size external antenna?
It is short, inefficient and used low down near the body
It is made of rubber, which does not conduct any RF current
It uses horizontal polarisation
It radiates only upwards
Pourquoi l'antenne souple d'un portatif est-elle moins performante qu'une antenne extérieure pleine taille ?
Elle est courte, peu efficace et utilisée bas, près du corps
Elle est en caoutchouc, qui ne conduit aucun courant HF
Elle utilise la polarisation horizontale
Elle ne rayonne que vers le haut

Why is the centre of a metal car roof a good place for a mobile VHF antenna?
The roof is a ground plane and the antenna is high and clear
It is the warmest part of the car
It keeps the antenna close to the driver, for the best signal
It makes the antenna horizontal
Pourquoi le centre du toit métallique d'une voiture est-il un bon emplacement pour une antenne mobile VHF ?
Le toit fait plan de sol et l'antenne est haute et dégagée
C'est la partie la plus chaude de la voiture
L'antenne y est proche du conducteur, pour le meilleur signal
L'antenne y est horizontale

The J-pole is a popular home-made antenna for 2 m. What is a J-pole antenna?
An end-fed half-wave vertical matched by a quarter-wave stub
A horizontal Yagi with one director
A dipole bent into a square and fed at one corner
A long wire for 160 m
La J-pole est une antenne de fabrication personnelle appréciée pour le 2 m. Qu'est-ce qu'une antenne J-pole ?
Une verticale demi-onde alimentée en bout, adaptée par un stub quart d'onde
Une Yagi horizontale à un directeur
Un dipôle plié en carré et alimenté à un coin
Un long fil pour le 160 m

What is a parabolic dish antenna used for?
Very high gain at microwaves, focusing waves on a feed
Omnidirectional coverage on the HF bands for local nets
Receiving only on long wave
Reducing the gain of a Yagi
À quoi sert une antenne parabolique ?
À obtenir un très grand gain en hyperfréquences, en focalisant les ondes sur une source
À couvrir toutes les directions en HF pour les réseaux locaux
À recevoir seulement en grandes ondes
À réduire le gain d'une Yagi
""")

S11 = parse("""
A popular multiband wire antenna is the trap dipole. What is a trap dipole?
A dipole with tuned traps in each leg, for several bands
A dipole that catches lightning and leads it to the ground
A dipole fed at one end through a matching trap
A dipole made of wire mesh to widen its bandwidth
Une antenne filaire multibande très répandue est le dipôle à trappes. Qu'est-ce qu'un dipôle à trappes ?
Un dipôle à trappes accordées dans chaque brin, pour plusieurs bandes
Un dipôle qui capte la foudre et la conduit au sol
Un dipôle alimenté à un bout par une trappe d'adaptation
Un dipôle en grillage pour élargir sa bande passante

How does a trap in a multiband antenna work on its own resonant frequency?
Its high impedance cuts off the wire beyond it
It short-circuits the whole antenna, which then acts as a loop
It adds a director
It doubles the antenna's length
Comment une trappe d'antenne multibande agit-elle sur sa propre fréquence de résonance ?
Sa forte impédance isole le fil situé au-delà
Elle court-circuite toute l'antenne, qui se comporte en boucle
Elle ajoute un directeur
Elle double la longueur de l'antenne

Some amateurs with little space put up a "fan" dipole. What is a "fan" dipole?
Dipoles for several bands in parallel on one feed line
A dipole cooled by a fan to carry more power
A dipole spread flat like an open hand on the ground
A dipole that rotates slowly to cover every direction
Certains radioamateurs manquant de place installent un dipôle « en éventail ». De quoi s'agit-il ?
De dipôles pour plusieurs bandes en parallèle sur une ligne
D'un dipôle refroidi par un ventilateur pour supporter plus de puissance
D'un dipôle étalé au sol comme une main ouverte
D'un dipôle qui tourne lentement pour couvrir toutes les directions

What is an end-fed half-wave antenna?
A half-wave wire fed at one end through a matching transformer
A dipole with the feed line connected at its centre
A quarter-wave vertical with radials
A loop fed at the bottom
Qu'est-ce qu'une antenne demi-onde alimentée par l'extrémité ?
Un fil demi-onde alimenté en bout par un transformateur d'adaptation
Un dipôle dont la ligne est reliée en son centre
Une verticale quart d'onde avec radians
Une boucle alimentée par le bas

In amateur terms, which antenna is properly called a long-wire?
A straight wire at least one wavelength long
Any wire longer than 10 m, whatever the band it is used on
A coil of wire wound on a ferrite rod
A wire lying on the ground, used for receiving
Au sens radioamateur, quelle antenne appelle-t-on proprement un long fil ?
Un fil rectiligne d'au moins une longueur d'onde
Tout fil de plus de 10 m, quelle que soit la bande utilisée
Une bobine de fil enroulée sur un bâtonnet de ferrite
Un fil posé sur le sol, servant à la réception

What is a small magnetic loop antenna?
A loop far smaller than a wavelength, capacitor-tuned, narrow-band
A loop one wavelength around, fed at the bottom
A ferrite magnet on the roof
A Yagi with a circular boom
Qu'est-ce qu'une petite boucle magnétique ?
Une boucle bien plus petite que l'onde, accordée par condensateur, à bande étroite
Une boucle d'une longueur d'onde de tour, alimentée par le bas
Un aimant en ferrite sur le toit
Une Yagi à boom circulaire

Why are very high RF voltages present on the tuning capacitor of a small transmitting loop?
Its very high Q builds up large circulating currents and voltages
The loop is connected to the mains
The capacitor generates the voltage itself
They are not; small loops work at low voltage and high current only
Pourquoi de très fortes tensions HF apparaissent-elles sur le condensateur d'accord d'une petite boucle d'émission ?
Son Q très élevé crée de forts courants et tensions de circulation
La boucle est reliée au secteur
Le condensateur produit lui-même la tension
C'est faux ; les petites boucles travaillent à basse tension et fort courant seulement

What is a G5RV-style or doublet antenna fed with open-wire line?
A centre-fed multiband wire used with a tuner, fed by low-loss line
A vertical with traps for 2 m only, fed with open-wire line
A single-band Yagi
A receiving loop on a ferrite rod
Qu'est-ce qu'une antenne de type doublet alimentée par ligne bifilaire ouverte ?
Un fil multibande alimenté au centre, utilisé avec une boîte, par une ligne à faibles pertes
Une verticale à trappes pour le 2 m seulement, alimentée en bifilaire
Une Yagi monobande
Une boucle de réception sur ferrite

What is a delta loop antenna?
A triangular loop of wire about one wavelength around
A loop with a circumference of one metre on every band
A vertical made of three radials only
A dipole with a delta-shaped capacitor
Qu'est-ce qu'une antenne delta loop ?
Une boucle de fil triangulaire d'environ une longueur d'onde de tour
Une boucle d'un mètre de tour sur toutes les bandes
Une verticale faite de trois radians seulement
Un dipôle avec un condensateur en forme de delta

What is a Beverage antenna used for?
Low-band directional receiving, with a long wire near the ground
High-power transmitting on VHF, with a long wire on a mast
Satellite work
Measuring field strength
À quoi sert une antenne Beverage ?
À recevoir en directif sur les bandes basses, par un long fil près du sol
À émettre à forte puissance en VHF, par un long fil sur un mât
Au trafic par satellite
À mesurer l'intensité de champ
""")

S12 = c.half_wave([("21.2", ), ("28.4", ), ("1.84", )]) + parse("""
How does raising a horizontal HF antenna higher above ground usually help long-distance contacts?
It lowers the angle of maximum radiation
It lowers the SWR to 1:1 on every band it is used on
It makes the antenna radiate straight up
It has no effect on the radiation pattern
Comment l'élévation d'une antenne HF horizontale au-dessus du sol aide-t-elle en général les liaisons lointaines ?
Elle abaisse l'angle de rayonnement maximal
Elle ramène le ROS à 1:1 sur toutes les bandes utilisées
Elle fait rayonner l'antenne vers le haut
Elle n'a aucun effet sur le diagramme de rayonnement

Why does a low horizontal dipole, well under a quarter wavelength above ground, suit short-range HF contacts?
It radiates mostly upwards, giving short-range returns
It radiates mostly along the ground, as a ground wave
It is perfectly matched at every height
It has no ground losses
Pourquoi un dipôle horizontal bas, bien à moins d'un quart d'onde du sol, convient-il aux liaisons HF à courte distance ?
Il rayonne surtout vers le haut, d'où des retours à courte distance
Il rayonne surtout le long du sol, en onde de sol
Il est parfaitement adapté à toutes les hauteurs
Il n'a aucune perte dans le sol

Why should an antenna be placed as far as possible from house wiring and electronic devices?
To cut both interference to them and noise from them
To make the coaxial cable shorter
To make the antenna resonate lower
Because house wiring reflects all signals straight back upward
Pourquoi placer une antenne aussi loin que possible du câblage de la maison et des appareils électroniques ?
Pour réduire à la fois les perturbations et le bruit capté
Pour raccourcir le câble coaxial
Pour faire résonner l'antenne plus bas
Parce que le câblage de la maison renvoie tous les signaux vers le haut

Why do antenna wires slowly stretch and sag over time, and what does this change?
Wind and weight stretch them, lowering resonance and height
They shrink in the sun and raise the resonant frequency each summer
They never change
They become insulators after a year
Pourquoi les fils d'antenne s'allongent-ils et s'affaissent-ils avec le temps, et qu'est-ce que cela change ?
Vent et poids les étirent, abaissant résonance et hauteur
Ils rétrécissent au soleil et font monter la résonance chaque été
Ils ne changent jamais
Ils deviennent isolants au bout d'un an

Why is copper-clad steel wire often used for long wire antennas?
Steel strength with a copper surface for RF
It is lighter than any other wire and needs no support
It does not conduct RF
It needs no insulators
Pourquoi utilise-t-on souvent du fil acier cuivré pour les longues antennes filaires ?
La solidité de l'acier avec une surface de cuivre pour la HF
Il est plus léger que tout autre fil et n'a besoin d'aucun support
Il ne conduit pas la HF
Il n'a pas besoin d'isolateurs

Why do RF currents flow mainly near the surface of a conductor?
Because of the skin effect, which grows with frequency
Because the centre of a wire is always insulated
Because DC flows in the centre of the wire and pushes RF out
Because the insulation attracts the current
Pourquoi les courants HF circulent-ils surtout près de la surface d'un conducteur ?
À cause de l'effet de peau, qui croît avec la fréquence
Parce que le centre d'un fil est toujours isolé
Parce que le continu circule au centre du fil et repousse la HF
Parce que l'isolant attire le courant

Why is the free-space half wavelength different from the length at which a real wire dipole resonates?
End effects and wire thickness make it resonate a little shorter
Real dipoles must be twice as long, because of the ground below them
The feed line adds its full length to the dipole
Wire conducts faster than free space
Pourquoi la demi-longueur d'onde dans le vide diffère-t-elle de la longueur à laquelle un dipôle filaire réel résonne ?
Les effets d'extrémité et l'épaisseur le font résonner un peu plus court
Les dipôles réels doivent être deux fois plus longs, à cause du sol
La ligne ajoute toute sa longueur au dipôle
Le fil conduit plus vite que le vide
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11, S12]
