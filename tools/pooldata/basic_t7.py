"""Basic topic 7: feed lines and antennas."""

from basic_util import parse
import basic_calc as c

TITLE = ("Feed lines and antennas", "Lignes de transmission et antennes")

S01 = c.wavelength([("3.6", ), (50, ), ("14.2", )]) + c.frequency_of([(2, ), (80, ), ("0.7", )]) + parse("""
Radio waves are electromagnetic waves, like light. How does their speed in free space compare with that of light?
Radio waves travel at the speed of light
Radio waves are far slower, like sound in air
Radio waves are ten times slower than light
Radio waves are faster at the lower frequencies
Les ondes radio sont des ondes électromagnétiques, comme la lumière. Comment leur vitesse dans le vide se compare-t-elle à celle de la lumière ?
Les ondes radio vont à la vitesse de la lumière
Les ondes radio sont bien plus lentes, comme le son
Les ondes radio sont dix fois plus lentes
Les ondes radio sont plus rapides aux basses fréquences

What is the relationship between frequency and wavelength?
Wavelength in metres = 300 / frequency in MHz
Wavelength in metres = 300 × frequency in MHz
Wavelength in metres = frequency in MHz / 300
Wavelength in metres = 3000 / frequency in MHz
Quelle relation y a-t-il entre fréquence et longueur d'onde ?
Longueur d'onde en mètres = 300 / fréquence en MHz
Longueur d'onde en mètres = 300 × fréquence en MHz
Longueur d'onde en mètres = fréquence en MHz / 300
Longueur d'onde en mètres = 3000 / fréquence en MHz

You move from one band to another band at twice the frequency. What happens to the wavelength of your signal?
It is halved
It doubles
It is quartered
It is unchanged
Vous passez d'une bande à une autre de fréquence double. Que devient la longueur d'onde de votre signal ?
Elle est divisée par deux
Elle double
Elle est divisée par quatre
Elle ne change pas

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
To carry RF between radio and antenna with little loss
To radiate part of the signal before it reaches the antenna
To tune the antenna to resonance on each band
To match the transmitter to the antenna impedance
À quoi sert une ligne d'alimentation (descente) ?
À porter la HF jusqu'à l'antenne avec peu de pertes
À rayonner une partie du signal avant l'antenne
À accorder l'antenne à la résonance sur chaque bande
À adapter l'émetteur à l'impédance de l'antenne

What is the structure of a coaxial cable?
A centre wire in a dielectric, inside a shield
Two parallel wires held apart by plastic spacers
A single insulated wire inside a plastic jacket
A hollow metal tube without a centre conductor
Quelle est la structure d'un câble coaxial ?
Une âme centrale isolée, sous une tresse et une gaine
Deux fils parallèles tenus par des entretoises
Un fil isolé unique sous une gaine en plastique
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

A 50-ohm coaxial cable and a 75-ohm one look alike. What gives each its characteristic impedance?
The diameters of its conductors and its dielectric
Its length, in wavelengths at the frequency used
The power and frequency applied to it
The load connected at its far end
Un câble coaxial de 50 ohms et un de 75 ohms se ressemblent. Qu'est-ce qui donne à chacun son impédance caractéristique ?
Les diamètres de ses conducteurs et son diélectrique
Sa longueur, comptée en longueurs d'onde
La puissance et la fréquence qu'on lui applique
La charge branchée à son autre extrémité

You use the same length of coaxial cable first on 3.5 MHz, then on 430 MHz. How does its loss compare?
Much higher on 430 MHz
Much higher on 3.5 MHz
Equal on both bands
Set by the SWR alone, not the band
Vous utilisez la même longueur de câble coaxial d'abord sur 3,5 MHz, puis sur 430 MHz. Comment ses pertes se comparent-elles ?
Bien plus fortes sur 430 MHz
Bien plus fortes sur 3,5 MHz
Égales sur les deux bandes
Fixées par le ROS, pas par la bande

Why is a thick, low-loss coaxial cable worth its price for a long run to a UHF antenna?
UHF loss is high, so thin cable wastes much power
Thick cable has a higher impedance that suits UHF
Thin cable reflects UHF back towards the radio
Thick cable brings the SWR down to 1:1
Pourquoi un câble coaxial épais à faibles pertes vaut-il son prix pour une grande longueur vers une antenne UHF ?
Le câble fin perd trop en UHF, où les pertes sont fortes
Le câble épais a une impédance plus haute, mieux adaptée à l'UHF
Le câble fin renvoie l'UHF vers le poste
Le câble épais garde un ROS de 1:1 sur toute antenne

Why must the bending radius of coaxial cable not be too small?
A sharp bend deforms the dielectric for good
A sharp bend makes the cable radiate, raising the SWR
A sharp bend raises the voltage rating of the cable
A sharp bend tunes the line to a lower band
Pourquoi le rayon de courbure d'un câble coaxial ne doit-il pas être trop petit ?
Un coude serré déforme le diélectrique pour de bon
Un coude serré fait rayonner le câble et monter le ROS
Un coude serré relève la tenue en tension du câble
Un coude serré accorde la ligne sur une bande plus basse

Why does water inside a coaxial cable increase its loss?
Water is a lossy dielectric and corrodes metal
Water raises the velocity factor and detunes the line
Water shorts the centre wire straight to the braid
Water cools the cable, raising its resistance
Pourquoi de l'eau dans un câble coaxial augmente-t-elle ses pertes ?
L'eau est un diélectrique à pertes et corrode les conducteurs
L'eau relève la vélocité et désaccorde la ligne
L'eau court-circuite directement l'âme et la tresse
L'eau refroidit le câble, ce qui relève sa résistance

Coaxial cable of 75 ohms is very common and cheap. What is it mainly used for?
TV and satellite reception
The outputs of most amateur HF transceivers
Balanced feeds to folded dipoles
Computer network cabling in the shack
Le câble coaxial de 75 ohms est très répandu et bon marché. À quoi sert-il principalement ?
Aux installations de réception TV et satellite
Aux sorties de la plupart des émetteurs HF amateurs
Aux alimentations symétriques de dipôles repliés
Au câblage du réseau informatique de la station

Why does the outer shield of a properly used coaxial cable not radiate?
The equal, opposite currents cancel outside it
The shield is made of a non-conducting material
The shield is earthed at both of its ends
The jacket absorbs the radiation before it escapes
Pourquoi le blindage d'un câble coaxial correctement utilisé ne rayonne-t-il pas ?
Les courants égaux et opposés s'annulent à l'extérieur
Le blindage est fait d'un matériau non conducteur
Le blindage est mis à la terre à ses deux bouts
La gaine absorbe le rayonnement avant qu'il s'échappe
""")

S03 = c.coax_length([(14, "0.66", "half"), ("7.1", "0.82", "quarter"), (145, "0.66", "quarter")]) + parse("""
A data sheet gives the velocity factor of a coaxial cable as 0.66. What does this figure describe?
The wave's speed in it relative to free space
The ratio of its outer to its inner diameter
Its loss per 100 m at the rated frequency
The share of the power that reaches the load
Une fiche technique donne 0,66 comme coefficient de vélocité d'un câble coaxial. Que décrit ce chiffre ?
La vitesse de l'onde rapportée à celle dans le vide
Le rapport de ses diamètres extérieur et intérieur
Sa perte pour 100 m à la fréquence nominale
La part de la puissance qui atteint la charge

What is the typical velocity factor of common coaxial cable with a solid polyethylene dielectric?
About 0.66
About 0.5
About 0.82
About 0.95
Quel est le coefficient de vélocité typique d'un câble coaxial courant à diélectrique en polyéthylène plein ?
Environ 0,66
Environ 0,5
Environ 0,82
Environ 0,95

Why is an electrical half wavelength of coaxial cable physically shorter than a half wavelength in free space?
Waves are slower in the dielectric
Waves travel faster inside the cable than in air
The cable's loss shortens each wavelength
The shield adds its own length to the path
Pourquoi une demi-longueur d'onde électrique de câble coaxial est-elle physiquement plus courte qu'une demi-longueur d'onde dans le vide ?
Les ondes vont plus lentement dans le diélectrique
Les ondes vont plus vite dans le câble que dans l'air
Les pertes du câble raccourcissent chaque longueur d'onde
Le blindage ajoute sa propre longueur au trajet

What is a balanced feed line such as ladder line or open-wire line?
A pair of wires carrying equal, opposite currents
A coaxial cable with two shields, one inside the other
A single wire with the earth as its return path
A hollow waveguide for the microwave bands
Qu'est-ce qu'une ligne symétrique, comme l'échelle à grenouille ou la ligne bifilaire ouverte ?
Un couple de fils aux courants opposés
Un câble coaxial à deux blindages, l'un dans l'autre
Un fil unique dont la terre assure le retour
Un guide d'ondes creux pour les hyperfréquences

A multiband doublet runs with a high SWR on its feed line on some bands. Why do many owners feed it with open-wire line rather than coax?
It keeps its loss low even with a high SWR
It brings the SWR down to 1:1 on every band
It can be run close to metal without harm
It matches the transmitter's 50 ohms directly
Un doublet multibande présente un ROS élevé sur sa ligne sur certaines bandes. Pourquoi beaucoup l'alimentent-ils en ligne bifilaire plutôt qu'en coaxial ?
Elle perd peu, même avec un ROS élevé
Elle ramène le ROS à 1:1 quelle que soit la bande
Elle peut passer près du métal sans dommage
Elle s'adapte directement aux 50 ohms de l'émetteur

Why must open-wire line be kept away from metal gutters and other conductors?
Nearby metal upsets its balance, adding loss
Nearby conductors make it electrically too short
Metal gutters draw lightning strikes onto the line
Metal nearby raises its velocity factor above one
Pourquoi faut-il éloigner la ligne bifilaire ouverte des gouttières métalliques et autres conducteurs ?
Le métal voisin rompt sa symétrie et ajoute des pertes
Les conducteurs voisins la raccourcissent électriquement
Les gouttières attirent la foudre sur la ligne
Le métal voisin porte sa vélocité au-dessus de 1

What is the typical characteristic impedance of the ladder line used by amateurs to feed multiband wire antennas?
About 450 ohms
About 50 ohms
About 75 ohms
About 200 ohms
Quelle est l'impédance caractéristique typique de l'échelle à grenouille employée par les radioamateurs pour alimenter les antennes filaires multibandes ?
Environ 450 ohms
Environ 50 ohms
Environ 75 ohms
Environ 200 ohms
""")

S04 = c.swr([(100, ), (200, ), (75, )]) + parse("""
What does SWR (standing wave ratio) measure?
The match between the load and the line
The output power of the transmitter
The loss of the feed line in decibels
The power radiated by the antenna
Que mesure le ROS (rapport d'ondes stationnaires) ?
L'adaptation entre la charge et la ligne
La puissance de sortie de l'émetteur
La perte de la ligne en décibels
La puissance rayonnée par l'antenne

An SWR meter shows standing waves on the coaxial cable to your antenna. What causes standing waves on a feed line?
Power the mismatched antenna reflects back
Too much power for the cable's rating
A feed line too short for the band
RF current on the outside of the shield
Un ROS-mètre révèle des ondes stationnaires sur le câble coaxial de votre antenne. Qu'est-ce qui crée des ondes stationnaires sur une ligne ?
La puissance renvoyée par la charge
Une puissance trop forte pour le câble
Une ligne trop courte pour la bande
Un courant HF sur l'extérieur du blindage

What happens to the reflected power on a feed line to a mismatched antenna, in the end?
It returns to the antenna, where much of it radiates
It is turned into heat in the antenna elements
It is all absorbed by the transmitter, which heats up
It is radiated by the outside of the coax shield
Que devient finalement la puissance réfléchie sur une ligne vers une antenne désadaptée ?
Elle repart vers l'antenne, qui la rayonne
Elle se change en chaleur dans les éléments de l'antenne
L'émetteur l'absorbe en entier et chauffe
Elle est rayonnée par l'extérieur du blindage

Why do many modern transceivers reduce their output power automatically when the SWR is high?
To protect the final transistors
To keep the transmitted signal clean
To lower the SWR reading on the meter
To keep the harmonics within limits
Pourquoi de nombreux émetteurs-récepteurs modernes réduisent-ils automatiquement leur puissance quand le ROS est élevé ?
Pour protéger les transistors de sortie
Pour garder un signal émis propre
Pour faire baisser le ROS indiqué
Pour tenir les harmoniques dans les limites

An SWR meter reads very high on every band, and suddenly. What is a likely cause?
A broken feed line, bad connector or fallen antenna
A sudden change in the ionosphere over the station
A failed frequency display in the transmitter
A supply voltage that has dropped too low
Un ROS-mètre indique soudain un ROS très élevé sur toutes les bandes. Quelle est une cause probable ?
Une ligne coupée, un connecteur défectueux ou une antenne tombée
Un brusque changement de l'ionosphère au-dessus de la station
Une panne de l'affichage de fréquence de l'émetteur
Une tension d'alimentation tombée trop bas

Why can the SWR measured at the transmitter look better than at the antenna on a long, lossy cable?
Loss weakens the reflected wave on its way back
Long cables improve the match at the antenna
Heat in long cables makes the meter read low
A long line acts as a tuner and matches the load
Pourquoi le ROS mesuré à l'émetteur peut-il paraître meilleur qu'à l'antenne sur un câble long et à pertes ?
Les pertes affaiblissent l'onde réfléchie
Les câbles longs améliorent l'adaptation de l'antenne
La chaleur des câbles longs fausse le ROS-mètre vers le bas
Une ligne longue agit comme une boîte d'accord

At what frequency is the SWR of a simple resonant antenna usually lowest?
Near its resonant frequency
At twice its resonant frequency
At the bottom edge of the band
Equally at all frequencies
À quelle fréquence le ROS d'une antenne résonante simple est-il généralement le plus bas ?
Près de sa fréquence de résonance
Au double de sa fréquence de résonance
Au bord inférieur de la bande
Au même niveau sur la bande entière
""")

S05 = parse("""
What does an antenna tuner (antenna matching unit) do?
It matches the line's impedance to the radio's
It makes the antenna itself resonant on every band
It adds gain to the antenna on the lower bands
It cancels the loss of the feed line
Que fait une boîte d'accord (coupleur d'antenne) ?
Elle adapte l'impédance de la ligne à celle du poste
Elle rend l'antenne elle-même résonante sur toute bande
Elle ajoute du gain à l'antenne sur les bandes basses
Elle annule les pertes de la ligne

An antenna tuner is placed at the transmitter. What happens to the SWR on the coaxial cable between the tuner and the antenna?
It stays as high as before
It falls to 1:1, as at the radio
It doubles because of the tuner
It falls to half its old value
Une boîte d'accord est placée à l'émetteur. Que devient le ROS sur le câble coaxial entre la boîte et l'antenne ?
Il reste le même qu'avant la boîte
Il tombe à 1:1, comme au poste
Il double à cause de la boîte
Il tombe à la moitié de sa valeur

Dipole kits often include a balun at the centre insulator. What is a balun?
A transformer from balanced to unbalanced
A meter that measures the balance of a dipole's halves
A type of coaxial connector used at the feed point
A fuse that protects the antenna against overload
Les kits de dipôle comprennent souvent un balun à l'isolateur central. Qu'est-ce qu'un balun ?
Un transformateur symétrique-asymétrique pour le dipôle
Un appareil qui mesure l'équilibre des deux brins d'un dipôle
Un type de connecteur coaxial du point d'alimentation
Un fusible qui protège l'antenne des surcharges

Why is a choke balun often fitted where coaxial cable feeds a dipole?
To stop RF current on the outside of the shield
To double the power reaching the dipole
To lower the dipole's resonant frequency
To pass DC up to the antenna
Pourquoi place-t-on souvent un balun à choc (self de mode commun) là où le coaxial alimente un dipôle ?
Pour arrêter le courant HF sur l'extérieur du blindage
Pour doubler la puissance qui atteint le dipôle
Pour abaisser la fréquence de résonance du dipôle
Pour laisser passer le continu vers l'antenne

What are common-mode currents on a feed line?
Currents flowing the same way on the line's outside
The normal equal and opposite currents inside a coax
Currents from the mains supply in the shack
Currents circulating inside the antenna tuner
Que sont les courants de mode commun sur une ligne ?
Des courants de même sens à l'extérieur de la ligne
Les courants normaux égaux et opposés dans un coaxial
Des courants venant du secteur de la station
Des courants circulant dans la boîte d'accord elle-même

Why should you tune an antenna tuner at low power first?
To protect the gear and the band while tuning
Because a tuner only matches at low power
To make the antenna itself resonant first
Because high power changes the tuner's settings
Pourquoi faut-il d'abord régler une boîte d'accord à faible puissance ?
Pour épargner le matériel et les autres
Parce qu'une boîte n'adapte qu'à faible puissance
Pour rendre d'abord l'antenne elle-même résonante
Parce qu'une forte puissance dérègle la boîte

What does an automatic antenna tuner do?
It finds the match by itself on a carrier
It turns the antenna towards the strongest station
It switches off the transmitter when the SWR is high
It tunes the receiver to a clear frequency nearby
Que fait une boîte d'accord automatique ?
Elle trouve l'accord d'elle-même sur une porteuse
Elle oriente l'antenne vers la station la plus forte
Elle coupe l'émetteur quand le ROS est élevé
Elle accorde le récepteur sur une fréquence libre voisine

Why can an antenna tuner at the transmitter not make a very poor antenna radiate well?
It only matches; the losses remain
It adds gain on the lower bands only
It works only with resonant antennas
It can; a tuner makes any wire efficient
Pourquoi une boîte d'accord à l'émetteur ne peut-elle pas faire bien rayonner une très mauvaise antenne ?
Elle adapte, mais les pertes restent
Elle n'ajoute du gain que sur les bandes basses
Elle ne fonctionne qu'avec des antennes résonantes
Elle le peut ; une boîte rend efficace tout fil

What is the impedance ratio of a 4:1 balun?
It steps 200 ohms down to 50 ohms
It turns 4 W in into 1 W at the antenna
It divides the signal's frequency by four
It adds 4 dB of gain to the antenna
Quel est le rapport d'impédance d'un balun 4:1 ?
Il ramène 200 ohms à 50 ohms
Il transforme 4 W reçus en 1 W à l'antenne
Il divise par quatre la fréquence du signal
Il ajoute 4 dB de gain à l'antenne

What is the main advantage of a remote automatic tuner placed at the antenna feed point?
It keeps the line matched and its loss low
It makes the antenna physically shorter
It raises the power the transmitter delivers
It removes the need for radials at the antenna
Quel est l'avantage principal d'une boîte d'accord automatique placée au point d'alimentation de l'antenne ?
Elle garde adaptée la ligne d'antenne
Elle raccourcit physiquement l'antenne
Elle augmente la puissance fournie par l'émetteur
Elle supprime le besoin de radians à l'antenne
""")

S06 = c.dipole([("7.1", ), ("14.15", ), ("3.65", )]) + parse("""
What is a half-wave dipole?
A centre-fed wire, half a wave long in all
A single vertical conductor a quarter wave long
A loop one wavelength around, fed at the bottom
A half-wave wire fed at one of its ends
Qu'est-ce qu'un dipôle demi-onde ?
Un fil alimenté au centre, d'une demi-onde au total
Un conducteur vertical unique d'un quart d'onde
Une boucle d'une longueur d'onde de périmètre, alimentée en bas
Un fil demi-onde alimenté à l'une de ses extrémités

What is the approximate impedance at the centre feed point of a half-wave dipole in free space, far from the ground?
About 73 ohms
About 36 ohms
About 50 ohms
About 300 ohms
Quelle est environ l'impédance au point d'alimentation central d'un dipôle demi-onde dans l'espace libre, loin du sol ?
Environ 73 ohms
Environ 36 ohms
Environ 50 ohms
Environ 300 ohms

You put up a horizontal half-wave dipole running east to west, well clear of the ground. In which directions does it radiate most strongly?
Broadside to the wire: north and south
Off the ends of the wire: east and west
Straight up, towards the ionosphere
Evenly around it, whatever the direction
Vous installez un dipôle demi-onde horizontal orienté est-ouest, bien dégagé du sol. Dans quelles directions rayonne-t-il le plus fort ?
À angle droit du fil : nord et sud
Dans l'axe du fil : est et ouest
Droit vers le haut, vers l'ionosphère
Uniformément autour du fil

An SWR check shows that your new wire dipole has its lowest SWR below the band you want to use. What should you do?
Shorten both halves a little
Lengthen both halves a little
Use a thicker coaxial cable
Fit a choke balun at the feed point
Une mesure de ROS montre que votre nouveau dipôle filaire a son ROS minimal au-dessous de la bande voulue. Que faites-vous ?
Raccourcir un peu les deux brins
Allonger un peu les deux brins
Utiliser un câble coaxial plus épais
Poser un balun à choc au point d'alimentation

Where are the current and the voltage highest along a half-wave dipole?
Current peaks at the centre, voltage at the ends
Current and voltage are both highest at the ends
Current is highest at the ends, voltage at the centre
Both are the same at every point of the wire
Où le courant et la tension sont-ils les plus élevés le long d'un dipôle demi-onde ?
Courant maximal au centre, tension aux extrémités
Le courant et la tension sont maximaux aux extrémités
Le courant est maximal aux extrémités, la tension au centre
Les deux sont identiques en tout point du fil

Why must the ends of a dipole be fitted with good insulators?
The ends carry high RF voltages
The ends carry the highest current
Insulators increase the antenna's gain
Insulators lower the resonant frequency
Pourquoi les extrémités d'un dipôle doivent-elles être munies de bons isolateurs ?
Les extrémités portent de fortes tensions HF
Les extrémités portent le courant le plus fort
Les isolateurs augmentent le gain de l'antenne
Les isolateurs abaissent la fréquence de résonance

With only one tall support, many amateurs put up an inverted-V dipole. What is an inverted-V dipole?
A dipole raised at the centre, halves sloping
A dipole bent into a circle around the support
A vertical whose radials point up towards the sky
A dipole fed at one end, from the top of the support
Avec un seul support élevé, de nombreux radioamateurs installent un dipôle en V inversé. Qu'est-ce que c'est ?
Un dipôle tenu au centre, aux brins en pente
Un dipôle plié en cercle autour du support
Une verticale dont les radians pointent vers le ciel
Un dipôle alimenté à un bout, depuis le haut du support
""")

S07 = c.quarter_wave([("14.2", ), ("7.1", ), (145, )]) + parse("""
What is a ground-plane antenna?
A quarter-wave vertical with radials
A horizontal wire strung close to the ground
A dipole laid out flat on the ground
A loop of wire buried in the ground
Qu'est-ce qu'une antenne ground-plane ?
Une verticale quart d'onde à radians
Un fil horizontal tendu près du sol
Un dipôle posé à plat sur le sol
Une boucle de fil enterrée dans le sol

Why does a quarter-wave vertical antenna need a good ground or a set of radials?
Radials form the other half of the antenna
Radials protect the vertical from lightning
Radials make the vertical directional
Radials raise the feed impedance to 300 ohms
Pourquoi une verticale quart d'onde a-t-elle besoin d'une bonne terre ou d'un ensemble de radians ?
Les radians sont l'autre moitié de l'antenne
Les radians protègent la verticale de la foudre
Les radians rendent la verticale directive
Les radians portent l'impédance à 300 ohms

What is the feed-point impedance of a resonant quarter-wave vertical standing over a perfect ground plane?
About 36 ohms
About 50 ohms
About 73 ohms
About 150 ohms
Quelle est l'impédance au point d'alimentation d'une verticale quart d'onde résonante placée sur un plan de sol parfait ?
Environ 36 ohms
Environ 50 ohms
Environ 73 ohms
Environ 150 ohms

Seen from above, what is the horizontal radiation pattern of a single quarter-wave vertical antenna standing on its own?
Equal in all directions
A figure of eight
A cardioid, strongest one way
Strongest along the feed line
Vue de dessus, quel est le diagramme de rayonnement horizontal d'une verticale quart d'onde seule ?
Égal dans toutes les directions
En huit
En cardioïde, plus fort d'un côté
Maximal le long de la ligne

Why are vertical antennas popular for long-distance work on the lower HF bands?
They radiate at low angles without a tall support
They work without radials when ground-mounted
They are directional towards distant stations
They pick up less man-made noise than dipoles
Pourquoi les antennes verticales sont-elles appréciées pour le trafic à grande distance sur les bandes HF basses ?
Elles rayonnent bas sans support très haut
Posées au sol, elles n'ont pas besoin de radians
Elles sont directives vers les stations lointaines
Elles captent moins de bruit artificiel que les dipôles

What is a loading coil in a short vertical antenna for?
To bring a too-short antenna back to resonance
To protect the antenna from lightning strikes
To widen its bandwidth on the lower bands
To make the antenna radiate in one direction
À quoi sert une bobine de charge dans une antenne verticale courte ?
À ramener une antenne trop courte à la résonance
À protéger l'antenne des coups de foudre
À élargir sa bande passante sur les bandes basses
À faire rayonner l'antenne dans une seule direction

What is the main drawback of a physically very short, loaded antenna?
Narrow bandwidth and lower efficiency
A very wide bandwidth that lets in noise
Too much gain towards the horizon
It will not match to a 50-ohm line
Quel est le principal inconvénient d'une antenne physiquement très courte et chargée ?
Une bande étroite et un rendement plus faible
Une bande très large qui laisse entrer le bruit
Trop de gain vers l'horizon
Elle ne s'adapte pas à une ligne de 50 ohms
""")

S08 = parse("""
What is a Yagi antenna?
A beam with a driven element, a reflector and directors
An omnidirectional vertical with a ring of radials at its base
A small loop used for direction finding
A dipole with a loading coil in each leg
Qu'est-ce qu'une antenne Yagi ?
Une directive à élément alimenté, réflecteur et directeurs
Une verticale omnidirectionnelle avec une couronne de radians
Une petite boucle servant à la radiogoniométrie
Un dipôle avec une bobine de charge dans ses deux brins

In a Yagi, how does the reflector compare with the driven element?
It is slightly longer, and behind it
It is slightly shorter and placed in front of it
It is the same length and is also fed
It is a wire running down to the ground
Dans une Yagi, comment le réflecteur se compare-t-il à l'élément alimenté ?
Il est un peu plus long, et derrière lui
Il est un peu plus court et placé devant lui
Il a la même longueur et est lui aussi alimenté
C'est un fil qui descend jusqu'au sol

In a Yagi, how do the directors compare with the driven element?
Slightly shorter, and in front of it
Slightly longer, and behind it
The same length, and fed in phase with it
Much longer, and fed from the rear
Dans une Yagi, comment les directeurs se comparent-ils à l'élément alimenté ?
Un peu plus courts, et devant lui
Un peu plus longs, et derrière lui
De même longueur, et alimentés en phase avec lui
Beaucoup plus longs, et alimentés par l'arrière

A beam's data sheet quotes a front-to-back ratio of 20 dB. What does this figure compare?
The power radiated to the front and to the back
The length of the boom and of the elements
The SWR at the front and back of the band
The gain of the beam and that of a dipole
La fiche technique d'une directive annonce un rapport avant-arrière de 20 dB. Que compare ce chiffre ?
Les puissances rayonnées vers l'avant et vers l'arrière
Les longueurs du boom et des éléments
Le ROS au début et à la fin de la bande
Le gain de la directive et celui d'un dipôle

What is the effect of adding more directors to a Yagi, with a longer boom?
Higher gain and a narrower beam
Lower gain and a wider beam
A pattern that becomes omnidirectional
A resonant frequency that doubles
Quel est l'effet de l'ajout de directeurs à une Yagi, avec un boom plus long ?
Un gain plus fort et un faisceau plus étroit
Un gain plus faible et un faisceau plus large
Un diagramme qui devient omnidirectionnel
Une fréquence de résonance qui double

The data sheet of a Yagi gives its beamwidth. What is the beamwidth of a directional antenna?
The angle between the half-power points
The boom length, expressed in wavelengths
The width of the elements, in millimetres
The band over which the SWR stays below 2:1
La fiche technique d'une Yagi indique l'ouverture de son faisceau. Qu'est-ce que l'ouverture d'une antenne directive ?
La largeur angulaire à mi-puissance
La longueur du boom, exprimée en longueurs d'onde
La largeur des éléments, en millimètres
La bande sur laquelle le ROS reste sous 2:1

Why is a directional antenna useful for receiving as well as transmitting?
It favours the wanted direction over noise
It removes the need for a receiver filter
It makes the receiver sensitive in every direction
It lowers the receiver's own internal noise
Pourquoi une antenne directive est-elle utile en réception comme en émission ?
Elle favorise la direction utile sur le bruit
Elle supprime le besoin de filtre au récepteur
Elle rend le récepteur sensible dans toutes les directions
Elle abaisse le bruit propre du récepteur

To track a low-orbit satellite across the sky with a small beam, what kind of rotator does a station need?
One that turns in both azimuth and elevation
One that turns in azimuth only, like an HF one
One that spins the beam on its own boom axis
None, as a beam needs no aiming for satellites
Pour suivre un satellite en orbite basse à travers le ciel avec une petite directive, de quel type de rotor une station a-t-elle besoin ?
D'un rotor qui tourne en azimut et en site
D'un rotor en azimut seul, comme en HF
D'un rotor qui fait tourner la directive sur son boom
Pas de rotor, une directive n'ayant pas à être pointée

A friend's beam has square wire loops, each about a wavelength around, held on spreaders. What kind of antenna is it?
A cubical quad beam
A delta loop beam
A log-periodic array
A stacked Yagi array
La directive d'un ami a des boucles carrées en fil, d'environ une longueur d'onde de périmètre, tenues par des croisillons. De quel type d'antenne s'agit-il ?
Une cubical quad
Une delta loop
Une log-périodique
Des Yagi couplées

What does "stacking" two identical Yagis, correctly spaced and phased, give?
Extra gain, from a narrower vertical beam
An omnidirectional pattern around the mast
Operation on two separate bands at once
A lower SWR on both, with unchanged gain
Que procure le couplage (« stacking ») de deux Yagi identiques, correctement espacées et mises en phase ?
Un gain accru, par un faisceau vertical plus étroit
Un diagramme omnidirectionnel autour du mât
Le trafic sur deux bandes distinctes à la fois
Un ROS plus bas sur les deux, sans changement de gain
""")

S09 = c.erp([(100, 3, 6), (50, 1, 10), (10, 2, 5)]) + parse("""
What is antenna gain?
More signal one way than a reference antenna gives
Power the antenna adds to the transmitter's own
The amplification of a preamplifier in the mast
The drop in SWR compared with a dipole
Qu'est-ce que le gain d'une antenne ?
Plus de signal dans une direction qu'une référence
Une puissance que l'antenne ajoute à celle de l'émetteur
L'amplification d'un préamplificateur en tête de mât
La baisse du ROS par rapport à un dipôle

One maker quotes antenna gain in dBi, another in dBd. How do the two units compare?
dBi is over isotropic, dBd over a dipole; 0 dBd = 2.15 dBi
They are equal, so 0 dBd = 0 dBi
dBd is over isotropic, dBi over a dipole, so 0 dBi = 2.15 dBd
dBi includes the feed-line loss, dBd does not
Un fabricant donne le gain d'antenne en dBi, un autre en dBd. Comment ces deux unités se comparent-elles ?
Le dBi se réfère à l'isotrope, le dBd au dipôle ; 0 dBd = 2,15 dBi
Elles sont égales : 0 dBd = 0 dBi
Le dBd se réfère à l'isotrope, le dBi au dipôle, donc 0 dBi = 2,15 dBd
Le dBi inclut la perte de ligne, le dBd non

A maker states that an antenna has a gain of 8.15 dBi. Knowing that a half-wave dipole has a gain of about 2.15 dBi, what is its gain in dBd?
About 6 dBd
About 5.15 dBd
About 8.15 dBd
About 10.3 dBd
Un fabricant annonce qu'une antenne a un gain de 8,15 dBi. Sachant qu'un dipôle demi-onde a un gain d'environ 2,15 dBi, quel est son gain en dBd ?
Environ 6 dBd
Environ 5,15 dBd
Environ 8,15 dBd
Environ 10,3 dBd

Antenna gains in dBi are compared with an isotropic radiator. What is an isotropic radiator?
An imaginary source radiating evenly around it
A real antenna kept as a standard in laboratories
A dipole with a reflector, used as a reference
A vertical over a perfect, lossless ground plane
Les gains d'antenne en dBi se réfèrent à une source isotrope. Qu'est-ce qu'une source isotrope ?
Une source idéale rayonnant uniformément
Une antenne réelle conservée comme étalon en laboratoire
Un dipôle avec réflecteur, pris comme référence
Une verticale sur un plan de sol parfait, sans pertes

What is effective radiated power (ERP)?
Power into the antenna times its gain over a dipole
The DC power drawn by the transmitter
The power measured at the transmitter output
The power lost as heat in the feed line
Qu'est-ce que la puissance apparente rayonnée (PAR) ?
La puissance fournie à l'antenne fois son gain sur dipôle
La puissance continue absorbée par l'émetteur
La puissance mesurée à la sortie de l'émetteur
La puissance perdue en chaleur dans la ligne

Antenna catalogues often include a radiation pattern for each model. What does a radiation pattern show?
The strength it radiates in each direction
The antenna's physical shape seen from above
The SWR across the band, edge to edge
The current along each element of the antenna
Les catalogues d'antennes montrent souvent un diagramme de rayonnement pour chaque modèle. Que montre-t-il ?
L'intensité rayonnée dans chaque direction
La forme physique de l'antenne vue de dessus
Le ROS sur toute la bande, d'un bord à l'autre
Le courant le long de chaque élément de l'antenne

Can a passive antenna with gain radiate more total power than it receives from the transmitter?
No; it just aims the power in certain directions
Yes; gain means the antenna adds power of its own
Yes, when the SWR is exactly 1:1
Yes, when its feed line is lossless
Une antenne passive à gain peut-elle rayonner plus de puissance totale qu'elle n'en reçoit de l'émetteur ?
Non ; elle ne fait que diriger la puissance
Oui ; le gain signifie que l'antenne ajoute sa propre puissance
Oui, quand le ROS est exactement de 1:1
Oui, quand sa ligne est sans pertes

Why can a 3 dB improvement in the antenna be worth as much as doubling the transmitter power?
Both double the ERP; gain also helps on receive
3 dB of gain triples the power, so it does more
3 dB of gain adds exactly 3 W, whatever the power
It cannot; only the transmitter power counts
Pourquoi 3 dB gagnés sur l'antenne peuvent-ils valoir autant que le doublement de la puissance d'émission ?
Les deux doublent la PAR ; le gain aide aussi en réception
3 dB de gain triplent la puissance, c'est donc mieux
3 dB de gain ajoutent exactement 3 W, quelle que soit la puissance
C'est impossible ; seule la puissance d'émission compte
""")

S10 = parse("""
Antennas are described as horizontally or vertically polarised. What is the polarisation of a radio wave?
Its electric field's direction
The direction in which the wave travels
The direction of its magnetic field
The height of the antenna above ground
On dit des antennes qu'elles sont à polarisation horizontale ou verticale. Qu'est-ce que la polarisation d'une onde radio ?
L'orientation de son champ électrique
La direction dans laquelle l'onde se propage
L'orientation de son champ magnétique
La hauteur de l'antenne au-dessus du sol

What happens on VHF if one station uses a vertical antenna and the other a horizontal one, over a direct path?
The signal is weaker
The signal is stronger, as both add
The signal is unaffected
The signal flutters rapidly
Que se passe-t-il en VHF si une station utilise une antenne verticale et l'autre une horizontale, en liaison directe ?
Le signal est plus faible
Le signal est plus fort, les deux s'ajoutant
Le signal n'est pas affecté
Le signal papillote rapidement

Which antenna polarisation is normally used for FM and repeater work on VHF and UHF, by both fixed and mobile stations?
Vertical
Horizontal
Circular
Any, it makes no difference
Quelle polarisation d'antenne utilise-t-on normalement pour la FM et les relais en VHF et UHF, en station fixe comme en mobile ?
Verticale
Horizontale
Circulaire
Peu importe, l'effet est nul

Which antenna polarisation is normally used for long-distance weak-signal SSB and CW work on VHF and UHF?
Horizontal
Vertical
Circular
Slant, at 45 degrees
Quelle polarisation d'antenne utilise-t-on normalement pour le trafic à grande distance en BLU et CW à signaux faibles en VHF et UHF ?
Horizontale
Verticale
Circulaire
Oblique, à 45 degrés

A station uses circularly polarised antennas to work low-orbit satellites. How does this help during a pass?
It avoids fades as the satellite tumbles
It doubles the gain of a beam of the same size
It is required by the satellite's own licence
It removes the Doppler shift from the signal
Une station utilise des antennes à polarisation circulaire pour les satellites en orbite basse. En quoi cela aide-t-il pendant un passage ?
Elle évite les creux dus à la rotation
Elle double le gain d'une directive de même taille
Elle est exigée par la licence du satellite
Elle supprime le décalage Doppler du signal

Many VHF and UHF base stations use a collinear antenna on the roof. What is a collinear antenna?
A stack of half-wave sections fed in phase
A horizontal Yagi with twenty elements on a long boom
A short loaded whip, as used on hand-held radios
A set of dipoles side by side on one boom
De nombreuses stations fixes VHF et UHF utilisent une antenne colinéaire sur le toit. Qu'est-ce qu'une colinéaire ?
Des sections demi-onde superposées et en phase
Une Yagi horizontale à vingt éléments sur un long boom
Un fouet court chargé, comme sur les portatifs
Des dipôles placés côte à côte sur un même boom

Why does the rubber antenna of a hand-held radio perform worse than a full-size external antenna?
It is short, lossy and held close to the body
Its rubber does not conduct RF current
It is horizontally polarised when held upright
It radiates mostly straight upwards
Pourquoi l'antenne souple d'un portatif est-elle moins performante qu'une antenne extérieure pleine taille ?
Elle est courte, peu efficace et près du corps
Son caoutchouc ne conduit pas le courant HF
Elle est en polarisation horizontale, tenue droite
Elle rayonne surtout droit vers le haut

Why is the centre of a metal car roof a good place for a mobile VHF antenna?
The roof is a ground plane, high and clear
It keeps the antenna close to the driver
It makes the antenna horizontally polarised
The metal roof tunes the antenna to every band
Pourquoi le centre du toit métallique d'une voiture est-il un bon emplacement pour une antenne mobile VHF ?
Le toit fait plan de sol, en position haute et dégagée
L'antenne y reste proche du conducteur
L'antenne y est en polarisation horizontale
Le toit accorde l'antenne sur toutes les bandes

The J-pole is a popular home-made antenna for 2 m. What is a J-pole antenna?
An end-fed half-wave matched by a quarter-wave stub
A horizontal Yagi with a single director
A dipole bent into a square, fed at a corner
A quarter-wave vertical with a J-shaped radial
La J-pole est une antenne de fabrication personnelle appréciée pour le 2 m. Qu'est-ce qu'une antenne J-pole ?
Une demi-onde alimentée en bout, adaptée par un stub quart d'onde
Une Yagi horizontale à un seul directeur
Un dipôle plié en carré, alimenté à un coin
Une verticale quart d'onde avec un radian en forme de J

What is a parabolic dish antenna used for?
High gain at microwaves, with a feed at the focus
Omnidirectional coverage on HF for local nets
Reception of the long-wave broadcast band at home
Wide, low-gain coverage of a whole region
À quoi sert une antenne parabolique ?
À obtenir un grand gain en hyperfréquences, source au foyer
À une couverture omnidirectionnelle en HF des réseaux locaux
À recevoir la radiodiffusion en grandes ondes
À couvrir toute une région avec un faible gain
""")

S11 = parse("""
A popular multiband wire antenna is the trap dipole. What is a trap dipole?
A dipole with tuned traps, working on several bands
A dipole that catches lightning and leads it to ground
A dipole fed at one end through a matching trap
A dipole of wire mesh, to widen its bandwidth
Une antenne filaire multibande très répandue est le dipôle à trappes. Qu'est-ce qu'un dipôle à trappes ?
Un dipôle à trappes accordées, pour plusieurs bandes
Un dipôle qui capte la foudre et la conduit au sol
Un dipôle alimenté à un bout par une trappe d'adaptation
Un dipôle en grillage, pour élargir sa bande passante

How does a trap in a multiband antenna work on its own resonant frequency?
It acts as an open circuit to the wire beyond
It short-circuits the antenna, making it a loop
It acts as a director in front of the wire
It doubles the antenna's electrical length
Comment une trappe d'antenne multibande agit-elle sur sa propre fréquence de résonance ?
Elle isole le fil au-delà par sa forte impédance
Elle court-circuite l'antenne, qui devient une boucle
Elle agit comme un directeur devant le fil
Elle double la longueur électrique de l'antenne

Some amateurs with little space put up a "fan" dipole. What is a "fan" dipole?
A set of dipoles for several bands on one feed line
A dipole whose legs spread out to widen its beam
A dipole with many radials, like a ground plane
A dipole made of several wires to lower its loss
Certains radioamateurs manquant de place installent un dipôle « en éventail ». De quoi s'agit-il ?
D'un ensemble de dipôles de plusieurs bandes sur une ligne
D'un dipôle aux brins écartés pour élargir son faisceau
D'un dipôle doté de nombreux radians, comme un ground-plane
D'un dipôle fait de plusieurs fils pour réduire ses pertes

What is an end-fed half-wave antenna?
A half-wave wire fed at one end via a transformer
A dipole with the feed line connected at its centre
A quarter-wave vertical fed against radials
A wire loop fed at its lowest corner
Qu'est-ce qu'une antenne demi-onde alimentée par l'extrémité ?
Un fil demi-onde alimenté en bout par un transformateur
Un dipôle dont la ligne est reliée en son centre
Une verticale quart d'onde alimentée contre des radians
Une boucle de fil alimentée par son coin inférieur

In amateur terms, which antenna is properly called a long-wire?
A straight wire at least one wavelength long
Any wire longer than 10 m, on any band
A coil of wire wound on a ferrite rod
A wire lying on the ground for receiving
Au sens radioamateur, quelle antenne appelle-t-on proprement un long fil ?
Un fil rectiligne d'au moins une longueur d'onde
Tout fil de plus de 10 m, sur toute bande
Une bobine de fil enroulée sur un bâtonnet de ferrite
Un fil posé sur le sol, servant à la réception

What is a small magnetic loop antenna?
A loop much smaller than a wavelength, tuned by a capacitor
A loop one wavelength around, fed at the bottom
A coil wound on a ferrite rod, for receiving only
A large loop of wire laid out on the ground
Qu'est-ce qu'une petite boucle magnétique ?
Une boucle bien plus petite qu'une longueur d'onde, accordée par condensateur
Une boucle d'une longueur d'onde de périmètre, alimentée en bas
Une bobine sur bâtonnet de ferrite, réservée à la réception
Une grande boucle de fil posée sur le sol

Why are very high RF voltages present on the tuning capacitor of a small transmitting loop?
Its very high Q builds up large RF voltages
The loop is connected to the mains supply
The capacitor generates the voltage itself
Static from the air charges the capacitor
Pourquoi de très fortes tensions HF apparaissent-elles sur le condensateur d'accord d'une petite boucle d'émission ?
Son Q très élevé fait monter de fortes tensions HF
La boucle est reliée au secteur
Le condensateur produit lui-même la tension
L'électricité statique de l'air charge le condensateur

What is a doublet antenna fed with open-wire line?
A centre-fed wire, used on many bands with a tuner
A vertical with traps for 2 m, fed with open wire
A single-band Yagi with a gamma match
A receiving loop wound on a ferrite rod
Qu'est-ce qu'une antenne doublet alimentée par ligne bifilaire ouverte ?
Une antenne filaire alimentée au centre, multibande avec boîte
Une verticale à trappes pour le 2 m, alimentée en bifilaire
Une Yagi monobande à adaptation gamma
Une boucle de réception sur bâtonnet de ferrite

What is a delta loop antenna?
A triangle of wire, one wavelength in total
A triangle of wire, a quarter wave in total
A vertical with three sloping radials
A square loop a half wave on each side
Qu'est-ce qu'une antenne delta loop ?
Une boucle en triangle d'une longueur d'onde
Une boucle triangulaire d'un quart d'onde de tour
Une verticale à trois radians inclinés
Une boucle carrée d'une demi-onde de côté

What is a Beverage antenna used for?
Directional low-band reception, on a long low wire
High-power VHF transmitting, on a long wire on a mast
Omnidirectional reception on the VHF bands
Measuring the field strength near a station
À quoi sert une antenne Beverage ?
À recevoir en directif les bandes basses
À l'émission VHF à forte puissance, par un long fil sur un mât
À la réception omnidirectionnelle sur les bandes VHF
À mesurer l'intensité de champ près d'une station
""")

S12 = c.half_wave([("21.2", ), ("28.4", ), ("1.84", )]) + parse("""
How does raising a horizontal HF antenna higher above ground usually help long-distance contacts?
It lowers the angle of maximum radiation
It lowers the SWR to 1:1 on every band
It makes the antenna radiate straight up
It leaves the radiation pattern unchanged
Comment l'élévation d'une antenne HF horizontale au-dessus du sol aide-t-elle en général les liaisons lointaines ?
Elle abaisse l'angle de rayonnement maximal
Elle ramène le ROS à 1:1 sur les bandes utilisées
Elle fait rayonner l'antenne droit vers le haut
Elle ne change rien au diagramme de rayonnement

Why does a low horizontal dipole, well under a quarter wavelength above ground, suit short-range HF contacts?
It sends its signal up to land nearby
It radiates along the ground, as a ground wave
It stays perfectly matched whatever its height
It is free of losses in the ground below it
Pourquoi un dipôle horizontal bas, bien à moins d'un quart d'onde du sol, convient-il aux liaisons HF à courte distance ?
Il rayonne vers le haut, d'où des retours proches
Il rayonne le long du sol, en onde de sol
Il est parfaitement adapté à toute hauteur
Il est exempt de pertes dans le sol

Why should an antenna be placed as far as possible from house wiring and electronic devices?
To cut interference both to and from them
To keep the coaxial cable run short
To make the antenna resonate lower
House wiring reflects signals straight back up
Pourquoi placer une antenne aussi loin que possible du câblage de la maison et des appareils électroniques ?
Pour moins de gêne entre antenne et appareils
Pour garder un câble coaxial court
Pour faire résonner l'antenne plus bas
Le câblage renvoie les signaux droit vers le haut

Why do antenna wires slowly stretch and sag over time, and what does this change?
Wind and weight stretch them, lowering resonance
They shrink in the sun, raising the resonance
Oxidation makes them shorter, raising the resonance
They harden with age and stop carrying RF current
Pourquoi les fils d'antenne s'allongent-ils et s'affaissent-ils avec le temps, et qu'est-ce que cela change ?
Vent et poids les étirent, la résonance baisse
Ils rétrécissent au soleil et la résonance monte
L'oxydation les raccourcit et fait monter la résonance
Ils durcissent avec l'âge et ne conduisent plus la HF

Why is copper-clad steel wire often used for long wire antennas?
Steel strength with a copper surface for RF
It is lighter than any other wire
Steel has a lower RF resistance than copper
It does without insulators at the ends
Pourquoi utilise-t-on souvent du fil acier cuivré pour les longues antennes filaires ?
Acier solide, et surface de cuivre pour la HF
Il est plus léger que tout autre fil
L'acier a une résistance HF plus faible que le cuivre
Il n'a pas besoin d'isolateurs aux extrémités

Why do RF currents flow mainly near the surface of a conductor?
Because of the skin effect, which grows with frequency
Because of the capture effect, which grows with power
Because DC in the centre pushes the RF outwards
Because the insulation draws the current to it
Pourquoi les courants HF circulent-ils surtout près de la surface d'un conducteur ?
À cause de l'effet de peau, qui croît avec la fréquence
À cause de l'effet de capture, qui croît avec la puissance
Parce que le continu au centre repousse la HF vers l'extérieur
Parce que l'isolant attire le courant

Why is the free-space half wavelength different from the length at which a real wire dipole resonates?
End effects make it resonate a little shorter
The ground makes real dipoles twice as long
The feed line adds its full length to the dipole
Current travels faster in wire than in free space
Pourquoi la demi-longueur d'onde dans le vide diffère-t-elle de la longueur à laquelle un dipôle filaire réel résonne ?
Les effets d'extrémité le raccourcissent un peu
Le sol rend les dipôles réels deux fois plus longs
La ligne ajoute toute sa longueur au dipôle
Le courant va plus vite dans un fil que dans le vide
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11, S12]
