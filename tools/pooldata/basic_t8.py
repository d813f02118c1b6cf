"""Basic topic 8: propagation."""

from basic_util import parse

TITLE = ("Propagation", "Propagation")

S01 = parse("""
What is the ground wave?
A wave that follows the Earth's surface and curvature
A wave reflected back to the ground by the ionosphere, far away
A wave that travels straight up into space
A wave guided inside coaxial cable
Qu'est-ce que l'onde de sol ?
Une onde qui suit la surface et la courbure de la Terre
Une onde renvoyée vers le sol par l'ionosphère, au loin
Une onde qui monte droit vers l'espace
Une onde guidée dans un câble coaxial

Broadcasters use the ground wave for reliable coverage. On which frequencies does the ground wave give the greatest range?
On low frequencies, such as long and medium waves
On UHF and microwaves, where the waves hug the ground
On VHF only, as used by FM broadcasters
It gives the same range on all frequencies
Les radiodiffuseurs utilisent l'onde de sol pour une couverture fiable. Sur quelles fréquences l'onde de sol offre-t-elle la plus grande portée ?
Sur les fréquences basses, comme les grandes et moyennes ondes
En UHF et en hyperfréquences, où les ondes épousent le sol
En VHF seulement, comme en radiodiffusion FM
Elle offre la même portée sur toutes les fréquences

A ground-wave signal on medium waves travels over different kinds of terrain. Over which surface does it travel furthest?
Sea water
Dry sand, which absorbs little energy
Rocky mountains, which reflect the wave
Dense forest
Un signal en onde de sol sur les ondes moyennes traverse différents terrains. Sur quelle surface va-t-il le plus loin ?
L'eau de mer
Le sable sec, qui absorbe peu d'énergie
Les montagnes rocheuses, qui réfléchissent l'onde
La forêt dense

How do VHF and UHF signals normally travel between two local stations?
By direct waves, bending slightly beyond the horizon
By reflection from the F layer, every day and at all hours
By ground wave over hundreds of kilometres
Through the Earth's core
Comment les signaux VHF et UHF voyagent-ils normalement entre deux stations locales ?
Par ondes directes, un peu courbées au-delà de l'horizon
Par réflexion sur la couche F, chaque jour et à toute heure
Par onde de sol sur des centaines de kilomètres
À travers le noyau terrestre

Why is the radio horizon at VHF a little further than the visual horizon?
The atmosphere bends radio waves slightly towards the Earth
Radio waves travel faster near the ground
The ionosphere reflects all VHF signals
Radio waves are not affected by the Earth's curvature
Pourquoi l'horizon radio en VHF est-il un peu plus lointain que l'horizon optique ?
L'atmosphère courbe légèrement les ondes radio vers la Terre
Les ondes radio vont plus vite près du sol
L'ionosphère réfléchit tous les signaux VHF
Les ondes radio ne subissent pas la courbure de la Terre

Why does raising a VHF antenna increase the range of local contacts?
It extends the radio horizon and clears obstacles
It lowers the frequency of the signal
It makes the ionosphere reflect the signal back to the ground
It increases the transmitter power
Pourquoi le fait d'élever une antenne VHF augmente-t-il la portée des liaisons locales ?
Il repousse l'horizon radio et dégage les obstacles
Il abaisse la fréquence du signal
Il fait réfléchir le signal vers le sol par l'ionosphère
Il augmente la puissance de l'émetteur

What happens to VHF and UHF signals that meet hills and large buildings?
They are blocked, reflected or diffracted
They pass through unchanged, since VHF waves ignore solid objects
They are always amplified
They change to a lower frequency
Que deviennent les signaux VHF et UHF qui rencontrent des collines et de grands bâtiments ?
Ils sont bloqués, réfléchis ou diffractés
Ils les traversent sans changement, les ondes VHF ignorant les obstacles
Ils sont toujours amplifiés
Ils passent sur une fréquence plus basse

What is "picket fencing" heard on a VHF FM signal from a moving car?
Rapid flutter as the car moves through reflected signals
A fence interfering with the antenna by contact
Interference from a nearby repeater on the same channel
The squelch opening and closing because of a flat battery
Qu'est-ce que le « papillotement » entendu sur un signal FM VHF provenant d'une voiture en mouvement ?
Un papillotement rapide quand la voiture traverse les réflexions
Une clôture qui touche l'antenne
Un brouillage dû à un relais voisin sur le même canal
Le silencieux qui s'ouvre et se ferme à cause d'une batterie faible

Why do trees in full leaf weaken UHF and microwave signals?
The water in the leaves absorbs the energy
Leaves reflect all signals upward
Trees generate radio noise
Leaves change the polarisation of the signal to circular
Pourquoi les arbres en feuilles affaiblissent-ils les signaux UHF et hyperfréquences ?
L'eau des feuilles absorbe l'énergie
Les feuilles réfléchissent tous les signaux vers le haut
Les arbres produisent du bruit radio
Les feuilles rendent circulaire la polarisation du signal

Between two VHF stations in sight of each other, the signal travels as a "space wave". What is a space wave?
The direct wave plus the ground-reflected wave
A wave reflected from the Moon back to the Earth
A wave relayed by a satellite only
A wave that passes through the ionosphere and out into space
Entre deux stations VHF en vue l'une de l'autre, le signal se propage en « onde d'espace ». Qu'est-ce que l'onde d'espace ?
L'onde directe plus l'onde réfléchie par le sol
Une onde réfléchie par la Lune vers la Terre
Une onde relayée uniquement par un satellite
Une onde qui traverse l'ionosphère et part dans l'espace
""")

S02 = parse("""
What is the ionosphere?
Sun-ionised upper layers that can return radio waves to Earth
The lowest layer of the atmosphere, where the weather occurs
A belt of satellites around the Earth
The magnetic core of the Earth
Qu'est-ce que l'ionosphère ?
Des couches hautes ionisées par le Soleil, pouvant renvoyer les ondes radio vers la Terre
La couche la plus basse de l'atmosphère, où se fait la météo
Une ceinture de satellites autour de la Terre
Le noyau magnétique de la Terre

The ionosphere makes long-distance HF contacts possible. What mainly ionises the upper atmosphere to form it?
Ultraviolet and X-ray radiation from the Sun
Radio transmitters on the ground
Thunderstorms in the lower atmosphere
The Moon's reflected light
L'ionosphère rend possibles les liaisons HF à grande distance. Qu'est-ce qui ionise principalement la haute atmosphère pour la former ?
Le rayonnement ultraviolet et X du Soleil
Les émetteurs radio au sol
Les orages de la basse atmosphère
La lumière réfléchie par la Lune

Of the layers of the ionosphere present in daytime, which one is the lowest, at about 60 to 90 km?
The D layer
The E layer
The F1 layer
The F2 layer
Parmi les couches de l'ionosphère présentes dans la journée, laquelle est la plus basse, vers 60 à 90 km ?
La couche D
La couche E
La couche F1
La couche F2

What is the main effect of the D layer on HF signals during the day?
It absorbs signals, especially on the lower HF bands
It reflects VHF signals over long distances
It has no effect at all
It amplifies weak signals
Quel est le principal effet de la couche D sur les signaux HF dans la journée ?
Elle absorbe les signaux, surtout sur les bandes HF basses
Elle réfléchit les signaux VHF à grande distance
Elle n'a aucun effet
Elle amplifie les signaux faibles

Signals on 80 m are weak at noon and much stronger after dark. What happens to the D layer at night?
It almost disappears, so low-band absorption falls
It becomes the strongest layer
It rises to 400 km
It turns into the F2 layer by rising above the E layer
Les signaux sur le 80 m sont faibles à midi et bien plus forts après la tombée de la nuit. Que devient la couche D la nuit ?
Elle disparaît presque, et l'absorption baisse sur les bandes basses
Elle devient la couche la plus forte
Elle monte à 400 km
Elle devient la couche F2 en montant au-dessus de la couche E

At about what height above the Earth is the E layer of the ionosphere found?
About 100 km
About 10 km
About 300 km
About 1000 km
À quelle altitude environ au-dessus de la Terre se trouve la couche E de l'ionosphère ?
Environ 100 km
Environ 10 km
Environ 300 km
Environ 1000 km

Which region of the atmosphere is mainly responsible for long-distance HF propagation, especially in daytime?
The F2 layer of the ionosphere
The D layer of the ionosphere
The troposphere
The E layer, at night only
Quelle région de l'atmosphère est principalement responsable de la propagation HF à grande distance, surtout de jour ?
La couche F2 de l'ionosphère
La couche D de l'ionosphère
La troposphère
La couche E, la nuit seulement

In daytime the F region often splits into F1 and F2 layers. What happens to these two layers at night?
They merge into a single F layer, which remains
They both disappear completely until sunrise
They move down below the D layer
They become twice as dense as by day
Le jour, la région F se divise souvent en couches F1 et F2. Que deviennent ces deux couches la nuit ?
Elles fusionnent en une seule couche F, qui subsiste
Elles disparaissent toutes les deux jusqu'au lever du soleil
Elles descendent sous la couche D
Elles deviennent deux fois plus denses que le jour

At about what height above the Earth is the F2 layer, which reflects most long-distance HF signals, found in daytime?
About 250 to 400 km
About 50 km
About 100 km
About 36,000 km
À quelle altitude environ se trouve de jour la couche F2, qui renvoie la plupart des signaux HF à grande distance ?
Environ 250 à 400 km
Environ 50 km
Environ 100 km
Environ 36 000 km

Why does ionospheric propagation change with the time of day?
Ionisation builds up by day and decays at night
The Earth's magnetic field switches off at night and on at dawn
Transmitters use more power in the daytime
The troposphere freezes at night
Pourquoi la propagation ionosphérique change-t-elle selon l'heure ?
L'ionisation croît le jour et décroît la nuit
Le champ magnétique terrestre s'éteint la nuit et revient à l'aube
Les émetteurs utilisent plus de puissance le jour
La troposphère gèle la nuit
""")

S03 = parse("""
What is the skip distance?
The distance to the nearest point where the sky wave returns
The distance covered by the ground wave before it fades out
The distance between two ionospheric layers
The length of the antenna
Qu'est-ce que la distance de saut ?
La distance jusqu'au premier retour de l'onde ionosphérique
La distance couverte par l'onde de sol avant qu'elle s'éteigne
La distance entre deux couches ionosphériques
La longueur de l'antenne

What is the skip zone (dead zone)?
The silent area between ground-wave range and the first sky-wave return
The area just around the antenna
The area where signals are strongest, just beyond the ground wave
The region above the F layer
Qu'est-ce que la zone de silence ?
La zone muette entre la portée de l'onde de sol et le premier retour ionosphérique
La zone juste autour de l'antenne
La zone où les signaux sont les plus forts, juste après l'onde de sol
La région au-dessus de la couche F

What is the maximum usable frequency (MUF)?
The highest frequency returned to Earth over a path at a given time
The highest frequency a transmitter can produce
The highest frequency allowed by the licence for long-distance work
The frequency of the strongest broadcasting station
Qu'est-ce que la fréquence maximale utilisable (MUF) ?
La plus haute fréquence renvoyée sur un trajet à un moment donné
La plus haute fréquence qu'un émetteur peut produire
La plus haute fréquence permise par la licence pour la grande distance
La fréquence de la station de radiodiffusion la plus forte

What happens to a signal above the MUF for a given path?
It passes through the ionosphere into space
It is reflected twice as far as a signal below the MUF
It is absorbed by the D layer
It travels by ground wave instead
Que devient un signal au-dessus de la MUF d'un trajet donné ?
Il traverse l'ionosphère vers l'espace
Il est renvoyé deux fois plus loin qu'un signal sous la MUF
Il est absorbé par la couche D
Il se propage par onde de sol

What is the lowest usable frequency (LUF)?
The frequency below which absorption makes signals too weak
The lowest frequency of the transmitter
The lowest frequency of the amateur bands allowed by the licence
The frequency at which the ground wave stops
Qu'est-ce que la fréquence minimale utilisable (LUF) ?
La fréquence sous laquelle l'absorption rend les signaux trop faibles
La plus basse fréquence de l'émetteur
La plus basse fréquence des bandes amateurs permise par la licence
La fréquence à laquelle l'onde de sol s'arrête

What is the critical frequency of a layer?
The highest frequency returned at vertical incidence
The frequency at which the layer disappears
The frequency of maximum absorption
The MUF of the longest possible path through that layer
Qu'est-ce que la fréquence critique d'une couche ?
La plus haute fréquence renvoyée en incidence verticale
La fréquence à laquelle la couche disparaît
La fréquence d'absorption maximale
La MUF du plus long trajet possible par cette couche

Why is the MUF for a long path higher than the critical frequency?
Waves at grazing angles are returned at higher frequencies
Long paths have more transmitter power
The Earth's curvature amplifies the signal on long paths
It is not; the MUF is always lower
Pourquoi la MUF d'un long trajet est-elle plus élevée que la fréquence critique ?
Les ondes rasantes sont renvoyées à des fréquences plus hautes
Les longs trajets disposent de plus de puissance
La courbure de la Terre amplifie le signal sur les longs trajets
C'est faux ; la MUF est toujours plus basse

About what is the longest ground distance that an HF signal can cover in a single hop via the F2 layer?
About 4000 km
About 400 km
About 40,000 km
About 40 km
Quelle est environ la plus grande distance au sol qu'un signal HF peut franchir en un seul bond par la couche F2 ?
Environ 4000 km
Environ 400 km
Environ 40 000 km
Environ 40 km

How are distances of many thousands of kilometres covered on HF?
By several hops between ionosphere and ground
By ground wave over the oceans, which conduct well
By a single hop from the D layer
Only through satellites
Comment franchit-on des distances de plusieurs milliers de kilomètres en HF ?
Par plusieurs bonds entre l'ionosphère et le sol
Par onde de sol au-dessus des océans, bons conducteurs
Par un seul bond sur la couche D
Uniquement par satellite

Why does operating just below the MUF usually give the best signals on a path?
Fewer hops and less absorption than lower down
The MUF is the frequency of least noise
Transmitters are more efficient there
It gives the shortest skip distance, so more stations hear you
Pourquoi le trafic juste sous la MUF donne-t-il en général les meilleurs signaux sur un trajet ?
Moins de bonds et moins d'absorption que plus bas
La MUF est la fréquence la moins bruyante
Les émetteurs y ont un meilleur rendement
Elle donne la plus courte distance de saut, et plus de stations vous entendent
""")

S04 = parse("""
HF conditions follow the rise and fall of the number of sunspots. How long is this sunspot cycle, on average?
About 11 years
About 1 year
About 27 days
About 100 years
Les conditions HF suivent la montée et la baisse du nombre de taches solaires. Quelle est la durée moyenne de ce cycle ?
Environ 11 ans
Environ 1 an
Environ 27 jours
Environ 100 ans

How do HF conditions on the higher bands, such as 10 m, change at sunspot maximum?
They improve, with frequent long-distance openings
They close completely because of the stronger D layer absorption
They are unaffected
They work only at night
Comment les conditions sur les bandes HF hautes, comme le 10 m, changent-elles au maximum solaire ?
Elles s'améliorent, avec de fréquentes ouvertures lointaines
Elles se ferment complètement à cause de l'absorption de la couche D
Elles ne changent pas
Elles ne fonctionnent que la nuit

Why are sunspots linked with better HF propagation?
More sunspots mean more ultraviolet, so more ionisation
Sunspots reflect radio waves directly back to the Earth
Sunspots cool the ionosphere
Sunspots block noise from space
Pourquoi les taches solaires sont-elles liées à une meilleure propagation HF ?
Plus de taches signifie plus d'ultraviolet, donc plus d'ionisation
Les taches renvoient directement les ondes radio vers la Terre
Les taches refroidissent l'ionosphère
Les taches bloquent le bruit venant de l'espace

What is the solar flux index?
The Sun's radio noise near 10.7 cm, a guide to ionisation
The number of flares observed on the Sun each day
The brightness of the Sun in visible light
The speed of the solar wind
Qu'est-ce que l'indice de flux solaire ?
Le bruit radio solaire vers 10,7 cm, indicateur de l'ionisation
Le nombre d'éruptions observées chaque jour sur le Soleil
La luminosité du Soleil en lumière visible
La vitesse du vent solaire

Why does the Sun's rotation, about 27 days, matter for propagation forecasts?
Active regions may face Earth again, so conditions can repeat
The ionosphere disappears every 27 days
The Moon blocks the Sun every 27 days, cutting the ionisation
It does not matter at all
Pourquoi la rotation du Soleil, d'environ 27 jours, compte-t-elle pour les prévisions de propagation ?
Les régions actives peuvent revenir face à la Terre, les conditions se répétant
L'ionosphère disparaît tous les 27 jours
La Lune masque le Soleil tous les 27 jours, coupant l'ionisation
Elle ne compte pas du tout

What is a sudden ionospheric disturbance (SID)?
A flare's X-rays boosting D-layer absorption on the daylit side
A sudden opening of the 10 m band to all continents at once
A failure of a national power grid
A thunderstorm over the antenna
Qu'est-ce qu'une perturbation ionosphérique soudaine (SID) ?
Les rayons X d'une éruption renforçant l'absorption de la couche D côté jour
Une ouverture soudaine du 10 m vers tous les continents à la fois
Une panne d'un réseau électrique national
Un orage au-dessus de l'antenne

What is a geomagnetic storm, and how does it affect HF?
A disturbance of Earth's field by solar particles, often degrading HF
A thunderstorm that changes the polarisation
A storm that improves every HF band for several days
A failure of the compass in a rotator
Qu'est-ce qu'un orage géomagnétique, et comment affecte-t-il la HF ?
Une perturbation du champ terrestre par des particules solaires, qui dégrade souvent la HF
Un orage qui change la polarisation
Un orage qui améliore toutes les bandes HF pendant plusieurs jours
Une panne de la boussole d'un rotor

A geomagnetic storm is announced in the propagation bulletin. Which HF paths are usually affected most?
Paths passing near the polar regions
Paths along the equator
Local ground-wave paths only
VHF line-of-sight paths only
Un orage géomagnétique est annoncé dans le bulletin de propagation. Quels trajets HF sont en général les plus affectés ?
Les trajets passant près des régions polaires
Les trajets le long de l'équateur
Les seuls trajets locaux par onde de sol
Les seuls trajets VHF en visibilité directe

Propagation bulletins quote the K and A indices. What do these indices describe?
Disturbance of the Earth's magnetic field
The number of sunspots counted on the visible disc
The height of the F2 layer
The noise level on 2 m
Les bulletins de propagation donnent les indices K et A. Que décrivent ces indices ?
La perturbation du champ magnétique terrestre
Le nombre de taches comptées sur le disque visible
L'altitude de la couche F2
Le niveau de bruit sur le 2 m

How quickly do X-rays from a solar flare affect the ionosphere, compared with particles from the same event?
X-rays in about eight minutes; particles in hours or days
Both arrive after exactly one day
The particles arrive first, a few seconds before the X-rays
Neither has any effect on the ionosphere
Avec quelle rapidité les rayons X d'une éruption solaire agissent-ils sur l'ionosphère, par rapport aux particules du même événement ?
Les rayons X en huit minutes environ ; les particules en heures ou en jours
Les deux arrivent après exactement un jour
Les particules arrivent les premières, quelques secondes avant les rayons X
Aucun des deux n'a d'effet sur l'ionosphère
""")

S05 = parse("""
Why is the 160 m band mainly used at night for longer-distance contacts?
Strong daytime D-layer absorption vanishes after dark
The band is closed by law during the day in most countries
Ground wave works only at night
Antennas for 160 m only work when cold
Pourquoi la bande des 160 m sert-elle surtout la nuit pour les liaisons à plus grande distance ?
La forte absorption de jour par la couche D disparaît la nuit
La bande est fermée de jour par la loi dans la plupart des pays
L'onde de sol ne fonctionne que la nuit
Les antennes pour 160 m ne fonctionnent qu'au froid

How does the 80 m band typically behave in the daytime?
Reliable contacts up to a few hundred kilometres
It is open worldwide all day, especially at noon
It is completely closed
It works only by line of sight
Comment se comporte habituellement la bande des 80 m dans la journée ?
Des liaisons fiables jusqu'à quelques centaines de kilomètres
Elle est ouverte sur le monde entier toute la journée, surtout à midi
Elle est complètement fermée
Elle ne fonctionne qu'en visibilité directe

Why is 40 m a good band for both regional contacts by day and long distance at night?
Daytime absorption is moderate and night F-layer returns reliable
It uses only ground wave
It has no noise at all
It is above the MUF at all times, so signals never return
Pourquoi le 40 m est-il une bonne bande à la fois pour les liaisons régionales de jour et la grande distance la nuit ?
L'absorption de jour est modérée et les retours de nuit par la couche F fiables
Elle n'utilise que l'onde de sol
Elle n'a aucun bruit
Elle est toujours au-dessus de la MUF, les signaux ne revenant jamais

Why is 20 m often called the main long-distance band?
It is open to distant stations much of the day in most years
It is the only band allowed for DX contacts by the international rules
It needs no antenna
It is always open at night
Pourquoi dit-on souvent que le 20 m est la principale bande de grande distance ?
Elle est ouverte vers les stations lointaines une grande partie du jour, la plupart des années
C'est la seule bande autorisée pour le DX par les règles internationales
Elle ne nécessite pas d'antenne
Elle est toujours ouverte la nuit

When is the 10 m band most likely to be open for worldwide contacts?
By day, near sunspot maximum
At night, near sunspot minimum, when the D layer is gone
Only during thunderstorms
At any time, whatever the cycle
Quand la bande des 10 m a-t-elle le plus de chances d'être ouverte sur le monde entier ?
Le jour, près du maximum solaire
La nuit, près du minimum solaire, quand la couche D a disparu
Seulement pendant les orages
À tout moment, quel que soit le cycle

Why do the higher HF bands tend to close soon after sunset?
Ionisation falls, and the MUF drops below them
The Sun's heat stops the signals
Transmitters are less efficient at night
The D layer becomes very strong at night and absorbs them
Pourquoi les bandes HF hautes ont-elles tendance à se fermer peu après le coucher du soleil ?
L'ionisation baisse et la MUF descend sous ces bandes
La chaleur du Soleil arrête les signaux
Les émetteurs ont un moins bon rendement la nuit
La couche D devient très forte la nuit et les absorbe

In which season is the MUF usually lowest at night in the mid-latitudes?
In winter, around sunspot minimum
In summer, around sunspot maximum
In spring, at noon
The season makes no difference
En quelle saison la MUF nocturne est-elle en général la plus basse aux latitudes moyennes ?
En hiver, vers le minimum solaire
En été, vers le maximum solaire
Au printemps, à midi
La saison ne change rien

Why is the 30 m band, around 10.1 MHz, useful at most times of day?
Lying between low and high bands, it is often open day and night
It is never affected by the ionosphere, whatever the time
It uses only satellites
It is a VHF band
Pourquoi la bande des 30 m, vers 10,1 MHz, est-elle utile à presque toute heure ?
Située entre bandes basses et hautes, elle est souvent ouverte jour et nuit
Elle n'est jamais affectée par l'ionosphère, quelle que soit l'heure
Elle n'utilise que des satellites
C'est une bande VHF

A club wants a daily schedule with a station 300 km away, in daytime, in a year when the sunspot cycle is at its minimum. Which band gives the most reliable contacts?
The 40 m or the 80 m band
The 10 m band, with a vertical antenna
The 2 m band, with a small Yagi
The 70 cm band, with a collinear
Un club veut une vacation quotidienne avec une station à 300 km, de jour, une année où le cycle solaire est à son minimum. Quelle bande donne les liaisons les plus fiables ?
La bande des 40 m ou des 80 m
La bande des 10 m, avec une antenne verticale
La bande des 2 m, avec une petite Yagi
La bande des 70 cm, avec une colinéaire

How does the 6 m band behave compared with HF and VHF?
Mostly like VHF, but open far by sporadic E and, at sunspot maximum, by F2
It is always open worldwide, like 20 m by day
It works only by ground wave
It is identical to the 80 m band
Comment se comporte la bande des 6 m par rapport à la HF et à la VHF ?
Surtout comme la VHF, mais ouverte au loin par l'E sporadique et, au maximum solaire, par F2
Elle est toujours ouverte sur le monde, comme le 20 m de jour
Elle ne fonctionne que par onde de sol
Elle est identique à la bande des 80 m
""")

S06 = parse("""
What is sporadic E propagation?
Reflection from dense E-layer patches, mostly in summer
Reflection from the Moon
Propagation along the ground only
Absorption of signals by the D layer during the summer months
Qu'est-ce que la propagation par E sporadique ?
Une réflexion sur des nuages denses de la couche E, surtout l'été
Une réflexion sur la Lune
Une propagation le long du sol uniquement
Une absorption des signaux par la couche D pendant les mois d'été

What is tropospheric ducting?
Signals trapped in the lower atmosphere, carried beyond the horizon
Signals reflected from the F2 layer during summer evenings
Signals passing through coaxial ducts
Signals absorbed by rain
Qu'est-ce que la propagation par conduit troposphérique ?
Des signaux piégés dans la basse atmosphère et portés au-delà de l'horizon
Des signaux réfléchis par la couche F2 les soirs d'été
Des signaux passant dans des gaines de câbles
Des signaux absorbés par la pluie

Which weather often comes with good tropospheric conditions on VHF and UHF?
A stable high with a temperature inversion
A strong cold front with heavy rain and gusty winds
Strong winds at ground level
A thunderstorm overhead
Quel temps accompagne souvent de bonnes conditions troposphériques en VHF et UHF ?
Un anticyclone stable avec inversion de température
Un fort front froid avec de grosses pluies et des rafales
Un vent fort au sol
Un orage au-dessus de la station

What is auroral propagation?
VHF signals reflected by an aurora, with a buzzing tone
HF signals carried by the ground wave across the polar ice
Signals reflected from the Moon's surface
Signals passing through a satellite
Qu'est-ce que la propagation aurorale ?
Des signaux VHF réfléchis par une aurore, à la tonalité bourdonnante
Des signaux HF portés par l'onde de sol sur les glaces polaires
Des signaux réfléchis par la surface de la Lune
Des signaux passant par un satellite

Why do stations point their antennas north (in the northern hemisphere) for auroral contacts?
The signals reflect off the aurora, towards the pole
Because north is always the direction of the strongest stations
Because the Earth's magnetic field bends all VHF signals to the north
Because the Sun rises in the north
Pourquoi les stations orientent-elles leurs antennes au nord (dans l'hémisphère nord) pour les liaisons aurorales ?
Les signaux se réfléchissent sur l'aurore, vers le pôle
Parce que le nord est toujours la direction des stations les plus fortes
Parce que le champ magnétique terrestre courbe tous les signaux VHF vers le nord
Parce que le Soleil se lève au nord

VHF operators sometimes make contacts over 1000 km or more by meteor scatter. What is meteor scatter?
Brief reflections from meteor trails
Reflection of VHF signals from the surface of the Moon
Scattering of VHF signals by heavy rain cells
Propagation through the Earth's crust after a meteor strike
Les opérateurs VHF réalisent parfois des liaisons de 1000 km ou plus par diffusion météoritique. De quoi s'agit-il ?
De brèves réflexions sur les traînées de météores
De la réflexion des signaux VHF sur la surface de la Lune
De la diffusion des signaux VHF par de fortes cellules de pluie
De la propagation à travers la croûte terrestre après la chute d'un météore

Why are meteor scatter contacts usually made with short, fast transmissions at agreed times?
Each reflection lasts only a second or so
Meteors only appear at midnight
The contacts must be finished before the meteor reaches the ground
To avoid interfering with aircraft
Pourquoi les liaisons par diffusion météoritique se font-elles avec des émissions courtes et rapides à des horaires convenus ?
Chaque réflexion ne dure qu'une seconde environ
Les météores n'apparaissent qu'à minuit
Les liaisons doivent finir avant que le météore atteigne le sol
Pour ne pas gêner les avions

What is Earth-Moon-Earth (EME) communication?
Using the Moon as a passive reflector for VHF, UHF and microwave signals
Relaying signals through a satellite in orbit around the Moon
Sending signals by ground wave around the Earth
Talking to astronauts on the Moon
Qu'est-ce que la communication Terre-Lune-Terre (EME) ?
L'utilisation de la Lune comme réflecteur passif pour les signaux VHF, UHF et hyperfréquences
Le relais des signaux par un satellite en orbite autour de la Lune
L'envoi de signaux par onde de sol autour de la Terre
La conversation avec des astronautes sur la Lune

Why does EME need high antenna gain and sensitive receivers?
The path loss is enormous, so echoes are extremely weak
The Moon absorbs all low-power signals and reflects only strong ones
EME works only at HF
It needs no special equipment
Pourquoi l'EME exige-t-elle un grand gain d'antenne et des récepteurs sensibles ?
L'affaiblissement est énorme et les échos extrêmement faibles
La Lune absorbe les signaux faibles et ne renvoie que les forts
L'EME ne fonctionne qu'en HF
Elle n'exige aucun matériel particulier

What is rain scatter?
Microwaves reflected from heavy rain cells, beyond the horizon
Signals lost because rain shorts the antenna
Noise caused by raindrops hitting the elements of the antenna
Propagation through underground water
Qu'est-ce que la diffusion par la pluie ?
Les hyperfréquences réfléchies par les cellules de pluie, au-delà de l'horizon
La perte de signaux parce que la pluie court-circuite l'antenne
Le bruit des gouttes de pluie frappant les éléments de l'antenne
La propagation par les eaux souterraines
""")

S07 = parse("""
What causes fading (QSB) on HF sky-wave signals?
A changing ionosphere and multipath signals adding and cancelling
A faulty transmitter at the other end of the contact
The receiver's AGC failing
Water in the coaxial cable
Qu'est-ce qui provoque l'évanouissement (QSB) des signaux HF par onde ionosphérique ?
Une ionosphère changeante et des trajets multiples qui s'ajoutent et s'annulent
Un émetteur défectueux à l'autre bout de la liaison
Une défaillance de la CAG du récepteur
De l'eau dans le câble coaxial

What is selective fading?
Fading that differs across one signal's frequencies, distorting it
Fading that affects only one station in a net, chosen at random
Fading chosen by the operator
Fading that happens only on 2 m
Qu'est-ce que l'évanouissement sélectif ?
Un évanouissement qui varie selon les fréquences d'un signal et le déforme
Un évanouissement qui ne touche qu'une station d'un réseau, au hasard
Un évanouissement choisi par l'opérateur
Un évanouissement qui ne se produit que sur le 2 m

DX operators on the low bands often wait for grey-line propagation. What is grey-line propagation?
Enhanced propagation along the twilight band
Propagation through clouds, with a greyish fading
Propagation only at noon, when the Sun is highest
Propagation along the equator, where day and night are equal
Sur les bandes basses, les amateurs de DX attendent souvent la propagation par la ligne grise. De quoi s'agit-il ?
D'une propagation renforcée le long de la ligne crépusculaire
D'une propagation à travers les nuages, avec un évanouissement grisâtre
D'une propagation seulement à midi, Soleil au plus haut
D'une propagation le long de l'équateur, où jour et nuit sont égaux

Why can grey-line propagation favour the low bands at sunrise and sunset?
The D layer has faded while the F layer is still ionised
The Sun is closest to the Earth at sunrise and at sunset
Transmitters work better when cool
Ground wave becomes stronger at dusk
Pourquoi la propagation par la ligne grise peut-elle favoriser les bandes basses au lever et au coucher du soleil ?
La couche D s'est effacée alors que la couche F reste ionisée
Le Soleil est au plus près de la Terre à son lever et à son coucher
Les émetteurs fonctionnent mieux au frais
L'onde de sol se renforce au crépuscule

What is "long path" propagation?
A signal going the long way round the Earth
A signal that travels along a very long feed line before radiating
A path through many repeaters
A path from the Earth to the Moon
Qu'est-ce que la propagation par le « long chemin » ?
Un signal faisant le grand tour de la Terre
Un signal qui parcourt une très longue ligne avant d'être rayonné
Un trajet passant par de nombreux relais
Un trajet de la Terre vers la Lune

What is a great-circle path?
The shortest route between two points on the Earth
A path that follows a line of latitude, east or west
A circle drawn around the antenna
The path of a geostationary satellite
Qu'est-ce qu'un trajet orthodromique (grand cercle) ?
Le plus court chemin entre deux points du globe
Un trajet qui suit un parallèle, vers l'est ou l'ouest
Un cercle tracé autour de l'antenne
La trajectoire d'un satellite géostationnaire

What is near vertical incidence skywave (NVIS)?
Low HF signals sent almost straight up, covering a region without a skip zone
Sending signals along the ground
Using a very high frequency to reach space
A type of satellite antenna pointed straight up at the zenith
Qu'est-ce que la propagation NVIS (incidence quasi verticale) ?
Des signaux HF bas envoyés presque à la verticale, couvrant une région sans zone de silence
L'envoi de signaux le long du sol
L'utilisation d'une très haute fréquence pour atteindre l'espace
Un type d'antenne satellite pointée droit vers le zénith

For NVIS to work, how must the frequency compare with the critical frequency?
Below the F-layer critical frequency
Far above the MUF, so that the signal goes straight up
It must be in the VHF range
It makes no difference
Pour que la NVIS fonctionne, comment la fréquence doit-elle se situer par rapport à la fréquence critique ?
Sous la fréquence critique de la couche F
Très au-dessus de la MUF, pour que le signal monte droit
Elle doit être dans la gamme VHF
Cela n'a aucune importance

Why may a signal sound hollow or echoing on HF at times?
It arrives by paths of different length, such as short and long path
The other station is talking in a large room only
The receiver's filter is too narrow
The ionosphere has frozen and reflects the signal several times
Pourquoi un signal HF semble-t-il parfois creux ou accompagné d'écho ?
Il arrive par des trajets de longueurs différentes, comme le court et le long chemin
L'autre station parle seulement dans une grande salle
Le filtre du récepteur est trop étroit
L'ionosphère a gelé et réfléchit le signal plusieurs fois

Why might a station be heard well by one operator and not at all by another operator nearby?
The second may be in the skip zone or have a poorly angled antenna
Signals never reach two stations at once
Radio waves choose one receiver
The first operator is using a louder loudspeaker and better headphones
Pourquoi une station peut-elle être bien entendue par un opérateur et pas du tout par un autre tout proche ?
Le second est peut-être en zone de silence ou a une antenne mal orientée en site
Les signaux n'atteignent jamais deux stations à la fois
Les ondes radio choisissent un récepteur
Le premier utilise un haut-parleur plus puissant et un meilleur casque
""")

S08 = parse("""
How can amateur beacons help you judge propagation?
Hearing a beacon shows the path to its area is open
Beacons increase the MUF
Beacons send weather forecasts that predict the opening of bands
Beacons make the ionosphere denser
Comment les balises amateurs aident-elles à juger la propagation ?
Entendre une balise montre que le trajet vers sa région est ouvert
Les balises font monter la MUF
Les balises diffusent des prévisions météo annonçant les ouvertures
Les balises rendent l'ionosphère plus dense

What is an ionosonde?
An instrument sounding the ionosphere with swept pulses
A probe that measures the SWR of an antenna
A radio that works only on 10 m
A satellite that reflects signals between two ground stations
Qu'est-ce qu'une ionosonde ?
Un instrument qui sonde l'ionosphère par impulsions balayées
Une sonde qui mesure le ROS d'une antenne
Une radio qui ne fonctionne que sur le 10 m
Un satellite qui réfléchit les signaux entre deux stations au sol

What do propagation prediction programs use to estimate which bands will be open?
The path, date, time and expected solar activity
The colour of the sky
The station's call sign and the licence class of its operator
The price of equipment
Qu'utilisent les logiciels de prévision de propagation pour estimer quelles bandes seront ouvertes ?
Le trajet, la date, l'heure et l'activité solaire prévue
La couleur du ciel
L'indicatif de la station et la classe de licence de l'opérateur
Le prix du matériel

What can automated networks of receiving stations that report the signals they decode tell you?
Where and how well your signal is being heard
Your licence class
The weather at the other station
The exact SWR of your antenna on each band you use
Que peuvent vous apprendre les réseaux automatiques de stations réceptrices qui signalent les signaux qu'elles décodent ?
Où et comment votre signal est entendu
Votre classe de licence
La météo chez l'autre station
Le ROS exact de votre antenne sur chaque bande utilisée

Why is listening on a band before transmitting useful for judging propagation?
The stations heard show which areas are reachable
It raises the MUF
It is required before every transmission by the ITU, for propagation records
It makes the ionosphere stable
Pourquoi l'écoute d'une bande avant d'émettre aide-t-elle à juger la propagation ?
Les stations entendues montrent les régions accessibles
Elle fait monter la MUF
L'UIT l'exige avant chaque émission, pour ses relevés de propagation
Elle stabilise l'ionosphère

Why can a band seem dead even though it is open?
Nobody may be transmitting, so call CQ or check beacons
An open band always has many signals, so a quiet band is closed
Bands are never dead
Because the receiver switches itself off
Pourquoi une bande peut-elle sembler morte alors qu'elle est ouverte ?
Personne n'émet peut-être : lancez appel ou écoutez les balises
Une bande ouverte a toujours de nombreux signaux, une bande calme est donc fermée
Les bandes ne sont jamais mortes
Parce que le récepteur s'éteint de lui-même

What is a "band opening"?
A time when an unusual path becomes possible
The time when a new band is allocated to amateurs by a conference
The moment a transmitter is switched on
The width of a band in kHz
Qu'est-ce qu'une « ouverture » de bande ?
Un moment où un trajet inhabituel devient possible
Le moment où une conférence attribue une nouvelle bande aux radioamateurs
L'instant où un émetteur est mis en marche
La largeur d'une bande en kHz

Why do VHF enthusiasts watch weather maps?
Inversions and high pressure can signal tropospheric openings
Rain always improves VHF
They must report the weather at their station in every contact
Wind direction sets the polarisation
Pourquoi les amateurs de VHF surveillent-ils les cartes météo ?
Inversions et hautes pressions peuvent annoncer des ouvertures troposphériques
La pluie améliore toujours la VHF
Ils doivent donner la météo de leur station à chaque liaison
La direction du vent fixe la polarisation

Why is it useful to note the times and bands of good contacts in your log over a long period?
It reveals your station's propagation patterns over time
It changes the solar cycle
It improves the SWR
It is required to keep the licence, and is checked on each renewal
Pourquoi est-il utile de noter dans votre carnet, sur une longue période, les heures et bandes des bonnes liaisons ?
Cela révèle les tendances de propagation de votre station
Cela modifie le cycle solaire
Cela améliore le ROS
C'est exigé pour garder la licence, et vérifié à chaque renouvellement
""")

S09 = parse("""
On the low HF bands, crackles and crashes of atmospheric noise (QRN) are often heard. What mainly causes them?
Lightning discharges, near and far
Radio transmitters
The Sun's visible light
The Earth's rotation
Sur les bandes HF basses, on entend souvent les craquements du bruit atmosphérique (QRN). Qu'est-ce qui les cause principalement ?
Les décharges de foudre, proches et lointaines
Les émetteurs radio
La lumière visible du Soleil
La rotation de la Terre

On which amateur bands is atmospheric noise from thunderstorms usually strongest?
The low HF bands, especially in summer
The UHF bands
The microwave bands
It is the same on all bands
Sur quelles bandes amateurs le bruit atmosphérique dû aux orages est-il en général le plus fort ?
Sur les bandes HF basses, surtout en été
Sur les bandes UHF
Sur les bandes hyperfréquences
Il est le même sur toutes les bandes

On a quiet site, a sensitive VHF receiver picks up galactic noise. What is galactic noise?
Noise from space, noticeable mainly at VHF
Noise from the computers and chargers in the station
Noise made by the ionosphere at night as it recombines
The hum of the mains transformer, radiated by the wiring
Sur un site calme, un récepteur VHF sensible capte le bruit galactique. Qu'est-ce que le bruit galactique ?
Un bruit venu de l'espace, sensible surtout en VHF
Le bruit des ordinateurs et chargeurs de la station
Le bruit produit par l'ionosphère la nuit, en se recombinant
Le ronflement du transformateur secteur, rayonné par le câblage

Why is man-made noise often the main limit to reception in towns?
Many electrical devices radiate broadband noise
Towns have more thunderstorms
The ionosphere is thinner over towns, letting more noise through
Receivers work worse at low altitude
Pourquoi le bruit d'origine humaine est-il souvent la principale limite de la réception en ville ?
De nombreux appareils électriques rayonnent un bruit large bande
Les villes ont plus d'orages
L'ionosphère est plus mince au-dessus des villes et laisse passer plus de bruit
Les récepteurs fonctionnent moins bien à basse altitude

Why does a receiving antenna placed away from the house often give better signal-to-noise on the low bands?
It picks up less noise from household electrical devices
It receives stronger signals from the ionosphere
It has more gain at every frequency
It is less affected by the Sun
Pourquoi une antenne de réception placée loin de la maison donne-t-elle souvent un meilleur rapport signal sur bruit sur les bandes basses ?
Elle capte moins de bruit des appareils électriques de la maison
Elle reçoit des signaux plus forts de l'ionosphère
Elle a plus de gain à toutes les fréquences
Elle est moins affectée par le Soleil

What is the signal-to-noise ratio?
How far the signal exceeds the noise, usually in dB
The ratio of transmit to receive time
The ratio of the SWR to the power
The ratio of two signals on the same frequency, the stronger over the weaker
Qu'est-ce que le rapport signal sur bruit ?
L'écart entre le signal et le bruit, en général en dB
Le rapport entre temps d'émission et de réception
Le rapport entre le ROS et la puissance
Le rapport entre deux signaux sur la même fréquence, le fort sur le faible

Why does a receiver preamplifier often bring no improvement on the lower HF bands?
External noise already far exceeds the receiver's own noise
Preamplifiers do not work below 30 MHz, whatever their design
The preamplifier reduces the signal
It always improves reception
Pourquoi un préamplificateur de réception n'apporte-t-il souvent rien sur les bandes HF basses ?
Le bruit extérieur dépasse déjà largement le bruit propre du récepteur
Les préamplificateurs ne fonctionnent pas sous 30 MHz, quelle que soit leur conception
Le préamplificateur affaiblit le signal
Il améliore toujours la réception

Why is a low-noise preamplifier at the masthead useful on UHF?
It overcomes the feed-line loss before the receiver
It increases the transmitter power
It reduces the lightning risk by isolating the feed line
It makes the antenna more directional
Pourquoi un préamplificateur à faible bruit en tête de mât est-il utile en UHF ?
Il compense la perte de ligne avant le récepteur
Il augmente la puissance de l'émetteur
Il réduit le risque de foudre en isolant la ligne
Il rend l'antenne plus directive

What is static crash noise on a receiver usually a sign of?
Thunderstorms, possibly far away
A faulty loudspeaker
A strong local broadcast station overloading the receiver
Too much transmitter power
De quoi les craquements de parasites dans un récepteur sont-ils généralement le signe ?
D'orages, parfois lointains
D'un haut-parleur défectueux
D'une forte station de radiodiffusion locale qui sature le récepteur
D'une puissance d'émission trop forte
""")

S10 = parse("""
You want to contact a station 8000 km away on a winter afternoon near sunspot maximum. Which band is the best first choice?
15 m or 20 m
The 160 m band, using a low dipole
The 2 m band
The 70 cm band
Vous voulez contacter une station à 8000 km un après-midi d'hiver, près du maximum solaire. Quelle bande essayer en premier ?
Le 15 m ou le 20 m
La bande des 160 m, avec un dipôle bas
La bande des 2 m
La bande des 70 cm

You want to contact a station 100 km away on a summer afternoon. Which choice is most reliable?
80 m or 40 m at high angles, or VHF if terrain allows
10 m by F2 propagation, with a beam aimed at the station
The 160 m band at noon
Any band, since 100 km is always easy
Vous voulez contacter une station à 100 km un après-midi d'été. Quel choix est le plus fiable ?
Le 80 m ou le 40 m sous des angles élevés, ou la VHF si le relief le permet
Le 10 m par la couche F2, avec une directive pointée vers la station
La bande des 160 m à midi
N'importe quelle bande, 100 km étant toujours faciles

A band that was open to a distant area fades out as evening falls. What is the usual sensible move?
Try a lower band
Try a higher band, as the MUF rises after sunset
Increase power tenfold
Change the antenna polarisation
Une bande ouverte vers une région lointaine se ferme à la tombée de la nuit. Quel est le choix raisonnable habituel ?
Essayer une bande plus basse
Essayer une bande plus haute, la MUF montant après le coucher du soleil
Décupler la puissance
Changer la polarisation de l'antenne

The 10 m band is quiet at noon in a year of low solar activity. What might still open it briefly for contacts of 1000 to 2000 km in summer?
Sporadic E
Ground wave, stronger in summer
Tropospheric ducting over 10,000 km
Moonbounce with a simple dipole
La bande des 10 m est silencieuse à midi, une année de faible activité solaire. Qu'est-ce qui peut encore l'ouvrir brièvement l'été pour des liaisons de 1000 à 2000 km ?
L'E sporadique
L'onde de sol, plus forte l'été
Un conduit troposphérique sur 10 000 km
L'EME avec un simple dipôle

Why can signals on the low bands be much stronger at night than in the day over the same 1500 km path?
D-layer absorption has disappeared at night
The Sun adds power at night
Ground wave doubles at night
Receivers are more sensitive when cold
Pourquoi les signaux des bandes basses peuvent-ils être bien plus forts la nuit que le jour sur un même trajet de 1500 km ?
L'absorption de la couche D a disparu la nuit
Le Soleil ajoute de la puissance la nuit
L'onde de sol double la nuit
Les récepteurs sont plus sensibles au froid

During a strong geomagnetic storm, HF conditions are poor. Which activity might still be rewarding?
Looking for auroral contacts on VHF
Working polar paths on 10 m
Expecting the best DX of the year on 20 m over the pole
There is never any use in operating
Pendant un fort orage géomagnétique, les conditions HF sont mauvaises. Quelle activité peut encore être intéressante ?
Chercher des liaisons aurorales en VHF
Travailler les trajets polaires sur le 10 m
Attendre le meilleur DX de l'année sur 20 m par le pôle
Il est toujours inutile de trafiquer

An emergency group needs reliable HF links across a region about 300 km wide, day and night. What approach suits?
NVIS on low HF bands, lower at night
10 m with vertical antennas, to keep signals close to the ground
The 70 cm band only
A single frequency on 28 MHz at all times
Un groupe d'urgence a besoin de liaisons HF fiables sur une région d'environ 300 km, de jour comme de nuit. Quelle approche convient ?
La NVIS sur les bandes HF basses, plus bas la nuit
Le 10 m avec des verticales, pour garder les signaux près du sol
La bande des 70 cm seulement
Une seule fréquence sur 28 MHz en permanence

One summer afternoon, a station 2000 km away is suddenly heard loud on 2 m for twenty minutes, then disappears. Your antennas are modest. What is the likely mode of propagation?
Sporadic E
Ground wave over the plains between the two stations
Moonbounce, using the Moon as a reflector
NVIS, by high-angle reflection from the F layer
Un après-midi d'été, une station à 2000 km est soudain reçue fort sur le 2 m pendant vingt minutes, puis disparaît. Vos antennes sont modestes. Quel est le mode de propagation probable ?
L'E sporadique
L'onde de sol au-dessus des plaines qui séparent les stations
L'EME, la Lune servant de réflecteur
La NVIS, par réflexion à angle élevé sur la couche F

Why is it a mistake to think that more power always solves a propagation problem?
If the path is closed, extra power helps little
Power never matters in radio
Higher power always reduces the range by overloading the ionosphere
Because power changes the frequency
Pourquoi est-ce une erreur de croire que plus de puissance règle toujours un problème de propagation ?
Si le trajet est fermé, plus de puissance n'aide guère
La puissance ne compte jamais en radio
Plus de puissance réduit toujours la portée en saturant l'ionosphère
Parce que la puissance change la fréquence
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
