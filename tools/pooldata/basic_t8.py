"""Basic topic 8: propagation."""

from basic_util import parse

TITLE = ("Propagation", "Propagation")

S01 = parse("""
What is the ground wave?
A wave that follows the Earth's surface and curvature
A wave sent back down by the ionosphere, far off
A wave that goes straight up and out into space
A wave reflected from hills back to the sender
Qu'est-ce que l'onde de sol ?
Une onde qui suit la surface courbe de la Terre
Une onde renvoyée vers le sol par l'ionosphère, au loin
Une onde qui monte droit et part dans l'espace
Une onde renvoyée par les collines vers l'émetteur

Broadcasters use the ground wave for reliable coverage. On which frequencies does the ground wave give the greatest range?
On low frequencies, long and medium waves
On UHF and microwaves, which hug the ground
On VHF, the band the FM broadcasters use
On the high HF bands, such as 10 m
Les radiodiffuseurs utilisent l'onde de sol pour une couverture fiable. Sur quelles fréquences l'onde de sol offre-t-elle la plus grande portée ?
Sur les grandes et moyennes ondes
En UHF et hyperfréquences, qui épousent le sol
En VHF, la gamme de la radiodiffusion FM
Sur les bandes HF hautes, comme le 10 m

A ground-wave signal on medium waves travels over different kinds of terrain. Over which surface does it travel furthest?
Over sea water
Over dry sand
Over rocky mountains
Over dense forest
Un signal en onde de sol sur les ondes moyennes traverse différents terrains. Sur quelle surface va-t-il le plus loin ?
Au-dessus de l'eau de mer
Au-dessus du sable sec
Au-dessus de montagnes rocheuses
Au-dessus d'une forêt dense

How do VHF and UHF signals normally travel between two local stations?
By direct waves, to just past the horizon
By F-layer reflection, at any hour of the day
By ground wave, over hundreds of kilometres
By scatter from the D layer just overhead
Comment les signaux VHF et UHF voyagent-ils normalement entre deux stations locales ?
Par ondes directes, jusqu'à l'horizon radio
Par réflexion sur la couche F, à toute heure
Par onde de sol, sur des centaines de km
Par diffusion sur la couche D juste au-dessus

Why is the radio horizon at VHF a little further than the visual horizon?
The air bends the waves slightly downward
Radio waves travel faster near the ground
The ionosphere reflects VHF just past the horizon
The Earth's magnetic field bends the waves
Pourquoi l'horizon radio en VHF est-il un peu plus lointain que l'horizon optique ?
L'air courbe un peu les ondes vers le sol
Les ondes radio vont plus vite près du sol
L'ionosphère renvoie la VHF juste après l'horizon
Le champ magnétique terrestre courbe les ondes

Why does raising a VHF antenna increase the range of local contacts?
It extends the horizon and clears obstacles
It lowers the angle at which the ionosphere returns it
It raises the power that the transmitter delivers
It reduces the loss in the feed line
Pourquoi le fait d'élever une antenne VHF augmente-t-il la portée des liaisons locales ?
Il repousse l'horizon et dégage les obstacles
Il abaisse l'angle sous lequel l'ionosphère le renvoie
Il augmente la puissance fournie par l'émetteur
Il réduit les pertes dans la ligne

What happens to VHF and UHF signals that meet hills and large buildings?
They are blocked, reflected or bent
They pass through, as VHF ignores solid objects
They bend over hills without any loss
They are converted to ground waves
Que deviennent les signaux VHF et UHF qui rencontrent des collines et de grands bâtiments ?
Ils sont bloqués, réfléchis ou diffractés
Ils les traversent, la VHF ignorant les obstacles
Ils contournent les collines sans perte
Ils se changent en ondes de sol

What is "picket fencing" heard on a VHF FM signal from a moving car?
Rapid flutter as the car passes through reflections
Interference from a repeater on the same channel
The squelch opening and closing on a weak battery
Ignition noise from the car's own engine
Qu'est-ce que le « papillotement » (picket fencing) entendu sur un signal FM VHF provenant d'une voiture en mouvement ?
Des variations rapides en traversant les réflexions
Un brouillage d'un relais sur le même canal
Le silencieux qui s'ouvre et se ferme
Les parasites d'allumage du moteur de la voiture

Why do trees in full leaf weaken UHF and microwave signals?
Water in the leaves absorbs the energy
Leaves reflect the signals upwards
Trees generate radio noise of their own
Leaves turn the polarisation circular
Pourquoi les arbres en feuilles affaiblissent-ils les signaux UHF et hyperfréquences ?
Les feuilles gorgées d'eau absorbent l'énergie
Les feuilles renvoient les signaux vers le haut
Les arbres produisent leur propre bruit radio
Les feuilles rendent la polarisation circulaire

A station works through a geostationary amateur satellite, about 36,000 km up. Why does it need no tracking and almost no Doppler correction?
Its position in the sky stays fixed
Its low orbit keeps the Doppler shift small
Its transponder removes the Doppler on board
Its signals are reflected by the ionosphere
Une station trafique par un satellite amateur géostationnaire, à environ 36 000 km. Pourquoi n'a-t-elle besoin ni de poursuite ni presque de correction Doppler ?
Sa position dans le ciel reste fixe
Son orbite basse limite le décalage Doppler
Son transpondeur corrige le Doppler à bord
Ses signaux se réfléchissent sur l'ionosphère
""")

S02 = parse("""
What is the ionosphere?
Sun-ionised upper layers that return radio waves
The lowest layer of air, where the weather happens
A belt of charged particles held by the Earth's field
The layer of ozone that absorbs ultraviolet
Qu'est-ce que l'ionosphère ?
Des couches hautes ionisées par le Soleil
La couche la plus basse, où se fait la météo
La ceinture de particules tenue par le champ terrestre
La couche d'ozone qui absorbe l'ultraviolet

The ionosphere makes long-distance HF contacts possible. What mainly ionises the upper atmosphere to form it?
Ultraviolet and X-rays from the Sun
Signals from radio transmitters on the ground
Lightning from thunderstorms far below
Sunlight reflected by the Moon at night
L'ionosphère rend possibles les liaisons HF à grande distance. Qu'est-ce qui ionise principalement la haute atmosphère pour la former ?
Les ultraviolets et rayons X du Soleil
Les signaux des émetteurs radio terrestres
La foudre des orages, bien plus bas
La lumière solaire renvoyée par la Lune

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
It absorbs signals on the low bands
It reflects VHF signals over long distances
It refracts 10 m signals back to Earth
It raises the MUF on the higher bands
Quel est le principal effet de la couche D sur les signaux HF dans la journée ?
Elle absorbe les bandes basses
Elle réfléchit la VHF à grande distance
Elle renvoie le 10 m vers la Terre
Elle fait monter la MUF sur les bandes hautes

Signals on 80 m are weak at noon and much stronger after dark. What happens to the D layer at night?
It nearly vanishes, so absorption falls
It becomes the densest layer overnight
It rises to the height of the F2 layer
It merges with the E layer just above it
Les signaux sur le 80 m sont faibles à midi et bien plus forts après la tombée de la nuit. Que devient la couche D la nuit ?
Elle disparaît presque, et l'absorption baisse
Elle devient la couche la plus dense la nuit
Elle monte à l'altitude de la couche F2
Elle fusionne avec la couche E juste au-dessus

At about what height above the Earth is the E layer of the ionosphere found?
About 100 km
About 300 km
About 1000 km
About 36,000 km
À quelle altitude environ au-dessus de la Terre se trouve la couche E de l'ionosphère ?
Environ 100 km
Environ 300 km
Environ 1000 km
Environ 36 000 km

Which region of the atmosphere is mainly responsible for long-distance HF propagation, especially in daytime?
The F2 layer
The D layer
The F1 layer
The troposphere
Quelle région de l'atmosphère est principalement responsable de la propagation HF à grande distance, surtout de jour ?
La couche F2
La couche D
La couche F1
La troposphère

In daytime the F region often splits into F1 and F2 layers. What happens to these two layers at night?
They merge into one lasting F layer
They both vanish until the next sunrise
They sink to below the height of the D layer
They become twice as dense as in daytime
Le jour, la région F se divise souvent en couches F1 et F2. Que deviennent ces deux couches la nuit ?
Elles fusionnent en une couche F qui subsiste
Elles disparaissent jusqu'au lever du soleil
Elles descendent plus bas que la couche D
Elles deviennent deux fois plus denses que le jour

At about what height above the Earth is the F2 layer, which reflects most long-distance HF signals, found in daytime?
About 300 km
About 30 km
About 100 km
About 1000 km
À quelle altitude environ se trouve de jour la couche F2, qui renvoie la plupart des signaux HF à grande distance ?
Environ 300 km
Environ 30 km
Environ 100 km
Environ 1000 km

Why does ionospheric propagation change with the time of day?
Ionisation grows by day and fades at night
The air cools at night and stops reflecting HF
The Earth's magnetic field weakens every night
Man-made noise rises at night and drowns the bands
Pourquoi la propagation ionosphérique change-t-elle selon l'heure ?
L'ionisation croît le jour, décroît la nuit
L'air refroidit la nuit et ne renvoie plus la HF
Le champ magnétique terrestre faiblit la nuit
Le bruit artificiel monte la nuit et noie les bandes
""")

S03 = parse("""
What is the skip distance?
The distance to where the sky wave first returns
The distance the ground wave covers before fading
The distance between two layers of the ionosphere
The range at which the signal falls below noise
Qu'est-ce que la distance de saut ?
La distance jusqu'au premier retour de l'onde ionosphérique
La distance couverte par l'onde de sol avant qu'elle s'éteigne
La distance entre deux couches de l'ionosphère
La portée où le signal tombe sous le bruit

What is the skip zone (dead zone)?
The quiet gap between ground wave and sky wave
The area just around the antenna mast
The area where signals peak
The region of space above the F layer
Qu'est-ce que la zone de silence ?
La zone muette entre onde de sol et premier retour
La zone juste autour du mât d'antenne
La zone des signaux les plus forts
La région de l'espace au-dessus de la couche F

What is the maximum usable frequency (MUF)?
The highest frequency a path returns at a given time
The highest frequency a transmitter can produce
The highest frequency the licence allows for DX
The frequency of the strongest broadcast station
Qu'est-ce que la fréquence maximale utilisable (MUF) ?
La plus haute fréquence renvoyée sur un trajet, à un instant
La plus haute fréquence qu'un émetteur peut produire
La plus haute fréquence permise par la licence en DX
La fréquence de la plus forte station de radiodiffusion

What happens to a signal above the MUF for a given path?
It passes through the ionosphere into space
It is returned twice as far as below the MUF
It is absorbed in the D layer instead
It carries on around the Earth as a ground wave
Que devient un signal au-dessus de la MUF d'un trajet donné ?
Il traverse l'ionosphère et part dans l'espace
Il est renvoyé deux fois plus loin que sous la MUF
Il est absorbé par la couche D
Il se propage alors en onde de sol

What is the lowest usable frequency (LUF)?
The frequency below which absorption is too great
The lowest frequency the transmitter covers
The lowest amateur frequency the licence allows
The frequency below which the ground wave fails
Qu'est-ce que la fréquence minimale utilisable (LUF) ?
La fréquence sous laquelle l'absorption devient trop forte
La plus basse fréquence couverte par l'émetteur
La plus basse fréquence amateur permise par la licence
La fréquence sous laquelle l'onde de sol disparaît

What is the critical frequency of a layer?
The top frequency returned at vertical incidence
The frequency at which the layer disappears
The frequency of greatest absorption
The MUF of the longest path through the layer
Qu'est-ce que la fréquence critique d'une couche ?
La fréquence maximale renvoyée à la verticale
La fréquence à laquelle la couche disparaît
La fréquence d'absorption maximale
La MUF du plus long trajet par cette couche

Why is the MUF for a long path higher than the critical frequency?
Slanting waves return more easily
Long paths use more power from the transmitter
The Earth's curvature focuses long-path signals
The layer is denser far from the transmitter
Pourquoi la MUF d'un long trajet est-elle plus élevée que la fréquence critique ?
Les ondes obliques sont renvoyées plus facilement
Les longs trajets reçoivent plus de puissance
La courbure terrestre concentre les signaux lointains
La couche est plus dense loin de l'émetteur

About what is the longest ground distance that an HF signal can cover in a single hop via the F2 layer?
About 4000 km
About 400 km
About 1000 km
About 2000 km
Quelle est environ la plus grande distance au sol qu'un signal HF peut franchir en un seul bond par la couche F2 ?
Environ 4000 km
Environ 400 km
Environ 1000 km
Environ 2000 km

How are distances of many thousands of kilometres covered on HF?
By several hops between ionosphere and ground
By ground wave across the well-conducting oceans
By one long hop from the top of the D layer
By tropospheric ducting along the coasts
Comment franchit-on des distances de plusieurs milliers de kilomètres en HF ?
Par plusieurs bonds entre l'ionosphère et le sol
Par onde de sol sur les océans, bons conducteurs
Par un long bond unique sur la couche D
Par conduit troposphérique le long des côtes

Why does operating just below the MUF usually give the best signals on a path?
Fewer hops and less absorption
Transmitters are most efficient there
It gives the shortest skip distance
The D layer reflects best near the MUF
Pourquoi le trafic juste sous la MUF donne-t-il en général les meilleurs signaux sur un trajet ?
Moins de bonds et d'absorption
Le rendement des émetteurs y est meilleur
Le saut y est le plus court
La couche D y réfléchit le mieux
""")

S04 = parse("""
HF conditions follow the rise and fall of the number of sunspots. How long is this sunspot cycle, on average?
About 11 years
About 5.5 years
About 22 years
About 27 years
Les conditions HF suivent la montée et la baisse du nombre de taches solaires. Quelle est la durée moyenne de ce cycle ?
Environ 11 ans
Environ 5,5 ans
Environ 22 ans
Environ 27 ans

How do HF conditions on the higher bands, such as 10 m, change at sunspot maximum?
They improve, with frequent DX openings
They close because of stronger D-layer absorption
They stay the same as at sunspot minimum
They open at night but close by day
Comment les conditions sur les bandes HF hautes, comme le 10 m, changent-elles au maximum solaire ?
Elles s'améliorent, avec de fréquentes ouvertures DX
Elles se ferment à cause de l'absorption de la couche D
Elles restent les mêmes qu'au minimum solaire
Elles s'ouvrent la nuit et se ferment le jour

Why are sunspots linked with better HF propagation?
Sunspots go with more UV and more ionisation
Sunspots reflect radio waves straight back to Earth
Sunspots cool the ionosphere, making it denser
Sunspots block noise arriving from space
Pourquoi les taches solaires sont-elles liées à une meilleure propagation HF ?
Les taches vont avec plus d'UV et d'ionisation
Les taches renvoient les ondes radio vers la Terre
Les taches refroidissent et densifient l'ionosphère
Les taches bloquent le bruit venu de l'espace

What is the solar flux index?
The Sun's 10.7 cm radio noise, a guide to ionisation
The number of flares seen on the Sun in the last 24 hours
The brightness of the Sun in visible light
The speed of the solar wind at the Earth
Qu'est-ce que l'indice de flux solaire ?
Le bruit radio solaire sur 10,7 cm, reflet de l'ionisation
Le nombre d'éruptions observées sur le Soleil en 24 heures
La luminosité du Soleil en lumière visible
La vitesse du vent solaire au niveau de la Terre

Why does the Sun's rotation, about 27 days, matter for propagation forecasts?
Active regions face Earth again
The ionosphere is rebuilt every 27 days
The Moon blocks the Sun's rays every 27 days
It is the time solar wind takes to reach us
Pourquoi la rotation du Soleil, d'environ 27 jours, compte-t-elle pour les prévisions de propagation ?
Les régions actives reviennent face à la Terre
L'ionosphère se reconstruit en 27 jours
La Lune masque le Soleil une fois en 27 jours
C'est le temps de trajet du vent solaire

What is a sudden ionospheric disturbance (SID)?
A flare's X-rays boosting D-layer absorption by day
A sudden opening of 10 m to distant continents
A sudden rise in the MUF after sunset
A storm of particles reaching the Earth days later
Qu'est-ce qu'une perturbation ionosphérique soudaine (SID) ?
Les rayons X d'une éruption qui accroissent l'absorption D
Une ouverture soudaine du 10 m vers les continents lointains
Une brusque montée de la MUF après le coucher du soleil
Un afflux de particules atteignant la Terre des jours après

What is a geomagnetic storm, and how does it affect HF?
Solar particles upset Earth's field, harming HF
An hour-long burst of solar X-rays that boosts absorption
A storm that improves the high HF bands for days
A rise in galactic noise heard on the VHF bands
Qu'est-ce qu'un orage géomagnétique, et comment affecte-t-il la HF ?
Des particules solaires perturbant le champ et la HF
Une bouffée de rayons X d'une heure qui accroît l'absorption
Un orage qui améliore les bandes HF hautes pendant des jours
Une montée du bruit galactique sur les bandes VHF

A geomagnetic storm is announced in the propagation bulletin. Which HF paths are usually affected most?
Paths near the poles
Paths running along the equator
Short local paths by ground wave
Line-of-sight paths on VHF
Un orage géomagnétique est annoncé dans le bulletin de propagation. Quels trajets HF sont en général les plus affectés ?
Les trajets proches des pôles
Les trajets longeant l'équateur
Les courts trajets locaux par onde de sol
Les trajets VHF en visibilité directe

Propagation bulletins quote the K and A indices. What do these indices describe?
Disturbance of the Earth's magnetic field
The number of sunspots seen on the visible disc
The height of the F2 layer at noon
The noise level on the 2 m band
Les bulletins de propagation donnent les indices K et A. Que décrivent ces indices ?
La perturbation du champ magnétique terrestre
Le nombre de taches sur le disque visible
L'altitude de la couche F2 à midi
Le niveau de bruit sur la bande des 2 m

How quickly do X-rays from a solar flare affect the ionosphere, compared with particles from the same event?
X-rays in minutes; particles in hours or days
Both arrive together about a day later
Particles first, a few seconds before the X-rays
X-rays after a day; particles within minutes
Avec quelle rapidité les rayons X d'une éruption solaire agissent-ils sur l'ionosphère, par rapport aux particules du même événement ?
Rayons X en minutes, particules en heures ou jours
Les deux arrivent ensemble, un jour plus tard
Les particules d'abord, quelques secondes avant les rayons X
Rayons X en un jour, particules en quelques minutes
""")

S05 = parse("""
Why is the 160 m band mainly used at night for longer-distance contacts?
D-layer absorption vanishes after dark
Ground wave on 160 m is stronger at night
The F layer exists at night alone
Man-made noise falls sharply after dark
Pourquoi la bande des 160 m sert-elle surtout la nuit pour les liaisons à plus grande distance ?
L'absorption de la couche D cesse la nuit
L'onde de sol sur 160 m est plus forte la nuit
La couche F n'existe que la nuit
Le bruit artificiel baisse nettement la nuit

How does the 80 m band typically behave in the daytime?
Reliable contacts to a few hundred km
Worldwide openings, best at noon
It closes completely until sunset
Contacts by line of sight, as on VHF
Comment se comporte habituellement la bande des 80 m dans la journée ?
Des liaisons fiables jusqu'à quelques centaines de km
Des ouvertures mondiales, au mieux à midi
Elle se ferme complètement jusqu'au soir
Des liaisons en visibilité directe, comme en VHF

Why is 40 m a good band for both regional contacts by day and long distance at night?
Modest absorption by day, F-layer hops at night
Its ground wave reaches right across the continents
It is the quietest of the HF bands, day and night
It lies above the MUF by day and below it at night
Pourquoi le 40 m est-il une bonne bande à la fois pour les liaisons régionales de jour et la grande distance la nuit ?
Absorption modérée le jour, bonds par la couche F la nuit
Son onde de sol traverse des continents entiers
C'est la plus calme des bandes HF, de jour comme de nuit
Elle est au-dessus de la MUF le jour et en dessous la nuit

Why is 20 m often called the main long-distance band?
It opens to far-off areas much of the day
It is the band the ITU reserves for DX contacts
It needs a smaller antenna than any other band
It stays open right through the night
Pourquoi dit-on souvent que le 20 m est la principale bande de grande distance ?
Elle s'ouvre vers le lointain une bonne partie du jour
C'est la bande que l'UIT réserve aux liaisons DX
Elle demande une antenne plus petite que les autres bandes
Elle reste ouverte pendant toute la nuit

When is the 10 m band most likely to be open for worldwide contacts?
At midday, near sunspot maximum
At night, near sunspot minimum
At dawn, in any year of the cycle
At any time, whatever the cycle
Quand la bande des 10 m a-t-elle le plus de chances d'être ouverte sur le monde entier ?
Le jour, près du maximum solaire
La nuit, près du minimum solaire
À l'aube, à tout moment du cycle
À toute heure, quel que soit le cycle

Why do the higher HF bands tend to close soon after sunset?
The MUF drops below their frequencies
The D layer grows at night and absorbs them
Noise rises at night and drowns them
The Earth's shadow blocks the signals
Pourquoi les bandes HF hautes ont-elles tendance à se fermer peu après le coucher du soleil ?
La MUF descend sous ces bandes
La couche D grossit la nuit et les absorbe
Le bruit monte la nuit et les noie
L'ombre de la Terre arrête les signaux

In which season is the MUF usually lowest at night in the mid-latitudes?
In winter, near sunspot minimum
In summer, near sunspot maximum
In spring, near the equinox
In autumn, near sunspot maximum
En quelle saison la MUF nocturne est-elle en général la plus basse aux latitudes moyennes ?
En hiver, vers le minimum solaire
En été, vers le maximum solaire
Au printemps, vers l'équinoxe
En automne, près du maximum solaire

Why is the 30 m band, around 10.1 MHz, useful at most times of day?
Between low and high bands, it opens day and night
The ionosphere has no effect on it at any hour of day
It works through satellites alone
It is free of the noise found on 40 m
Pourquoi la bande des 30 m, vers 10,1 MHz, est-elle utile à presque toute heure ?
Entre bandes basses et hautes, elle s'ouvre jour et nuit
L'ionosphère n'a d'effet sur elle à aucune heure
Elle ne fonctionne que par satellite
Elle échappe au bruit que l'on trouve sur 40 m

A club wants a daily schedule with a station 300 km away, in daytime, in a year when the sunspot cycle is at its minimum. Which band gives the most reliable contacts?
The 40 m or 80 m, with a dipole
The 10 m band, with a vertical
The 2 m band, with a small Yagi
The 70 cm band, with a collinear
Un club veut une vacation quotidienne avec une station à 300 km, de jour, une année où le cycle solaire est à son minimum. Quelle bande donne les liaisons les plus fiables ?
Le 40 m ou le 80 m, avec un dipôle
Le 10 m, avec une verticale
Le 2 m, avec une petite Yagi
Le 70 cm, avec une colinéaire

How does the 6 m band behave compared with HF and VHF?
Like VHF, but sporadic E and F2 can open it far
Open worldwide on most days, much like the 20 m band
Mostly by ground wave, much as on 160 m
Much as 80 m does, open by day and by night
Comment se comporte la bande des 6 m par rapport à la HF et à la VHF ?
Comme la VHF, mais E sporadique et F2 peuvent l'ouvrir au loin
Ouverte sur le monde presque chaque jour, comme la bande des 20 m
Surtout par onde de sol, à peu près comme le 160 m
Comme le 80 m, ouverte de jour comme de nuit
""")

S06 = parse("""
What is sporadic E propagation?
Reflection from dense E-layer clouds, chiefly in summer
Reflection of VHF signals from the Moon's surface
Ground-wave propagation over flat terrain
Absorption of signals by the D layer in summer
Qu'est-ce que la propagation par E sporadique ?
Une réflexion sur des nuages denses de couche E, surtout l'été
Une réflexion des signaux VHF sur la surface de la Lune
Une propagation en onde de sol sur terrain plat
Une absorption des signaux par la couche D en été

What is tropospheric ducting?
Signals trapped in a low layer of air, past the horizon
Signals returned by the F2 layer on warm summer evenings
Signals guided along the Earth's magnetic field
Signals scattered by heavy rain cells
Qu'est-ce que la propagation par conduit troposphérique ?
Des signaux piégés dans une couche d'air basse, au-delà de l'horizon
Des signaux renvoyés par la couche F2 les chauds soirs d'été
Des signaux guidés le long du champ magnétique terrestre
Des signaux diffusés par de fortes cellules de pluie

Which weather often comes with good tropospheric conditions on VHF and UHF?
A stable high with an inversion
A cold front with heavy rain and gusts
Strong, gusty winds near the ground
A thunderstorm right above the station
Quel temps accompagne souvent de bonnes conditions troposphériques en VHF et UHF ?
Un anticyclone stable avec une inversion
Un front froid avec fortes pluies et rafales
Un vent fort et en rafales près du sol
Un orage juste au-dessus de la station

What is auroral propagation?
Reflection from an aurora, with a rough tone
HF ground wave over the polar ice
Signals reflected from the Moon's surface
Signals passing through a satellite
Qu'est-ce que la propagation aurorale ?
Des signaux réfléchis par une aurore, à la note rauque
Des signaux HF en onde de sol sur les glaces polaires
Des signaux réfléchis par la surface de la Lune
Des signaux passant par un satellite

Why do stations point their antennas north (in the northern hemisphere) for auroral contacts?
They bounce off the aurora near the pole
North is where the strongest stations are
The Earth's field bends VHF to the north
Satellites over the pole relay the signals
Pourquoi les stations orientent-elles leurs antennes au nord (dans l'hémisphère nord) pour les liaisons aurorales ?
Les signaux se réfléchissent sur l'aurore, vers le pôle
C'est au nord que se trouvent les stations les plus fortes
Le champ terrestre courbe la VHF vers le nord
Des satellites au-dessus du pôle relaient les signaux

VHF operators sometimes make contacts over 1000 km or more by meteor scatter. What is meteor scatter?
Brief reflections from meteor trails
Reflection of VHF from the Moon's surface
Scattering of VHF by heavy rain cells
Reflection from the tails of comets
Les opérateurs VHF réalisent parfois des liaisons de 1000 km ou plus par diffusion météoritique. De quoi s'agit-il ?
De brefs échos sur les traînées de météores
De la réflexion de la VHF sur la surface de la Lune
De la diffusion de la VHF par de fortes cellules de pluie
De la réflexion sur la queue des comètes

Why are meteor scatter contacts usually made with short, fast transmissions at agreed times?
Each trail reflects for a second or so
Short transmissions travel further than long ones
To avoid interference from aircraft scatter
Long transmissions burn up the meteor trails
Pourquoi les liaisons par diffusion météoritique se font-elles avec des émissions courtes et rapides à des horaires convenus ?
Une traînée ne réfléchit qu'une seconde ou deux
Les émissions courtes portent plus loin que les longues
Pour ne pas gêner la diffusion par les avions
Les émissions longues détruisent les traînées

What is Earth-Moon-Earth (EME) communication?
Bouncing signals off the Moon as a reflector
Relaying signals through a satellite round the Moon
Sending signals by ground wave round the Earth
Contacts with crews on the space station
Qu'est-ce que la communication Terre-Lune-Terre (EME) ?
L'emploi de la Lune comme réflecteur des signaux
Le relais des signaux par un satellite autour de la Lune
L'envoi de signaux par onde de sol autour de la Terre
Les contacts avec l'équipage de la station spatiale

Why does EME need high antenna gain and sensitive receivers?
Path loss is huge, so echoes are faint
The Moon's own radio noise drowns the echo
EME signals are spread over many megahertz
The echo arrives days after it is sent
Pourquoi l'EME exige-t-elle un grand gain d'antenne et des récepteurs sensibles ?
L'affaiblissement du trajet est énorme
Le bruit radio propre de la Lune noie l'écho
Les signaux EME s'étalent sur plusieurs mégahertz
L'écho revient des jours après l'émission

What is rain scatter?
Microwaves scattered by heavy rain
Signals lost because rain shorts the antenna
Noise from raindrops striking the elements
Propagation along wet ground after a storm
Qu'est-ce que la diffusion par la pluie ?
Des hyperfréquences renvoyées par de fortes averses
Des signaux perdus parce que la pluie court-circuite l'antenne
Le bruit des gouttes frappant les éléments
Une propagation le long du sol mouillé après un orage
""")

S07 = parse("""
What causes fading (QSB) on HF sky-wave signals?
Paths that change, adding and cancelling
A faulty transmitter at the other station
A failing AGC in the receiving station
Water getting into the coaxial cable
Qu'est-ce qui provoque l'évanouissement (QSB) des signaux HF par onde ionosphérique ?
Des trajets multiples qui varient
Un émetteur défectueux chez l'autre station
Une CAG défaillante à la station de réception
De l'eau entrée dans le câble coaxial

What is selective fading?
Fading that differs across one signal's width
Fading that hits one station of a net at random
Fading that strikes the strongest signals first
Fading confined to the VHF bands
Qu'est-ce que l'évanouissement sélectif ?
Un évanouissement qui varie sur la largeur d'un signal
Un évanouissement frappant au hasard une station d'un réseau
Un évanouissement qui touche d'abord les signaux forts
Un évanouissement limité aux bandes VHF

DX operators on the low bands often wait for grey-line propagation. What is grey-line propagation?
Enhanced propagation along the twilight band
Propagation along the line of the equator
Propagation at noon, when the Sun is highest
Propagation along the edge of an aurora
Sur les bandes basses, les amateurs de DX attendent souvent la propagation par la ligne grise. De quoi s'agit-il ?
D'une propagation accrue le long du terminateur
D'une propagation le long de la ligne de l'équateur
D'une propagation à midi, Soleil au plus haut
D'une propagation le long du bord d'une aurore

Why can grey-line propagation favour the low bands at sunrise and sunset?
The D layer has gone while the F layer remains
The Sun is closest to the Earth at dawn and dusk
Transmitters run cooler and work better
Ground wave becomes stronger at dusk
Pourquoi la propagation par la ligne grise peut-elle favoriser les bandes basses au lever et au coucher du soleil ?
La couche D s'est effacée alors que la couche F reste ionisée
Le Soleil est au plus près de la Terre à l'aube et au crépuscule
Les émetteurs tournent plus frais et fonctionnent mieux
L'onde de sol se renforce au crépuscule

What is "long path" propagation?
A signal going the long way round the Earth
A signal sent down a very long feed line
A path through many repeaters linked together
A path from the Earth to the Moon and back
Qu'est-ce que la propagation par le « long chemin » ?
Un signal faisant le grand tour de la Terre
Un signal envoyé dans une très longue ligne
Un trajet par de nombreux relais reliés entre eux
Un trajet de la Terre à la Lune et retour

What is a great-circle path?
The shortest route between two places
A path that follows a line of latitude
The ring of coverage around a beacon
The orbit of a geostationary satellite
Qu'est-ce qu'un trajet orthodromique (grand cercle) ?
Le plus court chemin entre deux lieux
Un trajet qui suit un parallèle
L'anneau de couverture autour d'une balise
L'orbite d'un satellite géostationnaire

What does NVIS (near vertical incidence skywave) mean for an HF station?
Low HF sent almost straight up, filling the skip zone
Sending low HF along the ground as ground wave
Using a very high frequency to reach space
A satellite antenna pointed at the zenith
Que signifie la NVIS (incidence quasi verticale) pour une station HF ?
De la HF basse envoyée presque à la verticale
L'envoi de HF basse le long du sol en onde de sol
L'emploi d'une très haute fréquence pour atteindre l'espace
Une antenne satellite pointée vers le zénith

For NVIS to work, how must the frequency compare with the critical frequency?
Below the F-layer critical frequency
Far above the MUF, so the signal goes up
Within one of the VHF bands
Equal to the D-layer critical frequency
Pour que la NVIS fonctionne, comment la fréquence doit-elle se situer par rapport à la fréquence critique ?
Sous la fréquence critique de la couche F
Très au-dessus de la MUF, pour que le signal monte
Dans l'une des bandes VHF
Égale à la fréquence critique de la couche D

Why may a signal sound hollow or echoing on HF at times?
The signal arrives by two unequal paths
The other operator is speaking in a large room
The receiver's filter is set much too narrow
The receiver's AGC is set too fast
Pourquoi un signal HF semble-t-il parfois creux ou accompagné d'écho ?
Il arrive par deux trajets inégaux
L'autre opérateur parle dans une grande salle
Le filtre du récepteur est réglé bien trop étroit
La CAG du récepteur est réglée trop rapide

Why might a station be heard well by one operator and not at all by another operator nearby?
The second is in the skip zone or has the wrong antenna
A signal is used up by the first receiver it reaches
The first has a louder speaker and better headphones
The second is listening at night, when HF closes
Pourquoi une station peut-elle être bien entendue par un opérateur et pas du tout par un autre tout proche ?
Le second est en zone de silence ou a une antenne inadaptée
Un signal est consommé par le premier récepteur qu'il atteint
Le premier a un meilleur haut-parleur et un meilleur casque
Le second écoute la nuit, quand la HF se ferme
""")

S08 = parse("""
How can amateur beacons help you judge propagation?
Beacons heard show their path is open
Beacons raise the MUF along their paths
Beacons broadcast forecasts of band openings
Beacons ionise the air near their antennas
Comment les balises amateurs aident-elles à juger la propagation ?
Les balises entendues prouvent le trajet ouvert
Les balises font monter la MUF sur leurs trajets
Les balises diffusent des prévisions d'ouvertures
Les balises ionisent l'air près de leurs antennes

What is an ionosonde?
A radar that sounds the ionosphere from below
A probe that measures the SWR of an antenna
A receiver tuned to the 10 m beacons
A satellite that relays signals
Qu'est-ce qu'une ionosonde ?
Un radar qui sonde l'ionosphère depuis le sol
Une sonde qui mesure le ROS d'une antenne
Un récepteur accordé sur les balises du 10 m
Un satellite qui relaie les signaux

What do propagation prediction programs use to estimate which bands will be open?
The path, date, time and solar activity
The call signs and licence classes involved
The power and SWR of each station
The number of stations active on the band
Qu'utilisent les logiciels de prévision de propagation pour estimer quelles bandes seront ouvertes ?
Trajet, date, heure, activité solaire
Les indicatifs et classes de licence
La puissance et le ROS de chaque station
Le nombre de stations actives sur la bande

What can automated networks of receiving stations that report the signals they decode tell you?
The places where your signal is heard, and how well
The exact SWR of your antenna on each band
The times when the other station is on the air
The gain of your antenna in dBi
Que peuvent vous apprendre les réseaux automatiques de stations réceptrices qui signalent les signaux qu'elles décodent ?
Où et comment votre signal est entendu
Le ROS exact de votre antenne sur chaque bande
Les heures où l'autre station est active
Le gain de votre antenne en dBi

Why is listening on a band before transmitting useful for judging propagation?
It shows which areas the band reaches
It warms up the receiver for a stable frequency
It tells you the SWR of your own antenna
It lets the AGC set itself to the band's noise
Pourquoi l'écoute d'une bande avant d'émettre aide-t-elle à juger la propagation ?
Elle montre les régions que la bande atteint
Elle fait chauffer le récepteur pour une fréquence stable
Elle vous indique le ROS de votre antenne
Elle laisse la CAG se caler sur le bruit de la bande

Why can a band seem dead even though it is open?
Nobody is on the air, so call or try the beacons
A quiet band is closed, since open bands are busy
The receiver's AGC mutes an empty band
The D layer absorbs its signals by day and night
Pourquoi une bande peut-elle sembler morte alors qu'elle est ouverte ?
Personne n'émet : lancez appel ou écoutez les balises
Une bande calme est fermée, les bandes ouvertes étant actives
La CAG du récepteur rend muette une bande vide
La couche D absorbe ses signaux de jour comme de nuit

In the 2 m and 70 cm bands, which segments do the band plans set aside for the amateur-satellite service?
145.8-146 MHz and 435-438 MHz
144.0-144.1 MHz and 432.0-432.1 MHz
145.6-145.8 MHz and 438-440 MHz
145.2-145.4 MHz and 430-432 MHz
Dans les bandes des 2 m et des 70 cm, quels segments les plans de bande réservent-ils au service d'amateur par satellite ?
145,8-146 MHz et 435-438 MHz
144,0-144,1 MHz et 432,0-432,1 MHz
145,6-145,8 MHz et 438-440 MHz
145,2-145,4 MHz et 430-432 MHz

You listen to the downlink of a low-orbit satellite through a whole pass. How does the received frequency change?
It starts high and falls during the pass
It starts low and rises as the satellite passes
It stays fixed, as the satellite corrects it
It is highest with the satellite overhead
Vous écoutez la liaison descendante d'un satellite en orbite basse pendant tout un passage. Comment la fréquence reçue évolue-t-elle ?
Elle part haute et baisse pendant le passage
Elle part basse et monte pendant le passage
Elle reste fixe, le satellite la corrigeant
Elle est maximale avec le satellite au zénith

A satellite takes its uplink on 2 m and sends its downlink on 70 cm. Why is the Doppler shift about three times larger on the downlink?
It scales with the frequency used
UHF waves travel faster than VHF ones
The 70 cm beam of the antenna is narrower
Ionospheric bending grows at higher frequency
Un satellite reçoit sa liaison montante sur 2 m et émet sa liaison descendante sur 70 cm. Pourquoi le décalage Doppler est-il environ trois fois plus grand en descente ?
Le Doppler croît en proportion de la fréquence
Les ondes UHF vont plus vite que les VHF
Le faisceau de l'antenne 70 cm est plus étroit
La réfraction ionosphérique croît avec la fréquence
""")

S09 = parse("""
On the low HF bands, crackles and crashes of atmospheric noise (QRN) are often heard. What mainly causes them?
Lightning, near and far
Distant broadcast transmitters
Sunlight heating the ionosphere
Power lines in the neighbourhood
Sur les bandes HF basses, on entend souvent les craquements du bruit atmosphérique (QRN). Qu'est-ce qui les cause principalement ?
La foudre, proche ou lointaine
Les émetteurs de radiodiffusion lointains
Les rayons du Soleil qui chauffent l'ionosphère
Les lignes électriques du voisinage

On which amateur bands is atmospheric noise from thunderstorms usually strongest?
The lower HF bands, in summer
The UHF bands, especially in summer
The microwave bands, above 3 GHz
The VHF bands, especially in winter
Sur quelles bandes amateurs le bruit atmosphérique dû aux orages est-il en général le plus fort ?
Les bandes HF basses, l'été
Les bandes UHF, en particulier l'été
Les bandes hyperfréquences, au-delà de 3 GHz
Les bandes VHF, en particulier l'hiver

On a quiet site, a sensitive VHF receiver picks up galactic noise. What is galactic noise?
Noise from space, heard most at VHF
Noise from computers and chargers in the shack
Noise from the ionosphere as it recombines
Mains hum radiated by the house wiring
Sur un site calme, un récepteur VHF sensible capte le bruit galactique. Qu'est-ce que le bruit galactique ?
Le bruit cosmique, audible en VHF
Le bruit des ordinateurs et chargeurs de la station
Le bruit de l'ionosphère qui se recombine
Le ronflement secteur rayonné par le câblage

Why is man-made noise often the main limit to reception in towns?
Electrical devices radiate noise
Town buildings reflect more sky noise
The ionosphere is thinner over towns
Tall buildings block the ground wave
Pourquoi le bruit d'origine humaine est-il souvent la principale limite de la réception en ville ?
Les appareils électriques rayonnent du bruit
Les bâtiments renvoient plus de bruit du ciel
L'ionosphère est plus mince au-dessus des villes
Les grands immeubles bloquent l'onde de sol

Why does a receiving antenna placed away from the house often give better signal-to-noise on the low bands?
It picks up less noise from household devices
It receives stronger signals from the ionosphere
It has more gain at the lower frequencies
It is shielded from solar noise by the house
Pourquoi une antenne de réception placée loin de la maison donne-t-elle souvent un meilleur rapport signal sur bruit sur les bandes basses ?
Elle capte moins le bruit de la maison
Elle reçoit des signaux plus forts de l'ionosphère
Elle a plus de gain aux basses fréquences
La maison la protège du bruit solaire

What is the signal-to-noise ratio?
The ratio of signal power to noise power, in dB
The ratio of transmit time to receive time
The ratio of signal voltage to supply voltage
The ratio of two signals sharing the same frequency
Qu'est-ce que le rapport signal sur bruit ?
Le rapport entre puissance du signal et du bruit
Le rapport entre temps d'émission et de réception
Le rapport entre tension du signal et tension d'alimentation
Le rapport de deux signaux partageant une fréquence

Why does a receiver preamplifier often bring no improvement on the lower HF bands?
Band noise already swamps receiver noise
Preamplifiers do not work below 30 MHz
A preamplifier weakens signals below 30 MHz
Its gain is cancelled by the AGC at once
Pourquoi un préamplificateur de réception n'apporte-t-il souvent rien sur les bandes HF basses ?
Le bruit extérieur domine déjà le bruit interne
Les préamplificateurs ne fonctionnent pas sous 30 MHz
Un préamplificateur affaiblit les signaux sous 30 MHz
La CAG annule aussitôt son gain

Why is a low-noise preamplifier at the masthead useful on UHF?
It amplifies before the lossy feed line
It raises the power of the transmitter
It guards against lightning on the line
It makes the antenna more directional
Pourquoi un préamplificateur à faible bruit en tête de mât est-il utile en UHF ?
Il amplifie avant la ligne à pertes
Il augmente la puissance de l'émetteur
Il protège la ligne de la foudre
Il rend l'antenne plus directive

On 23 cm, a station aims its dish at the rising Sun and hears the noise rise strongly. Why?
The Sun is a strong source of radio noise
Sunlight heats the receiver's front end
The Sun's light reflects off the dish as RF
Solar particles hit the antenna, adding noise
Sur le 23 cm, une station pointe sa parabole vers le Soleil levant et entend le bruit monter fortement. Pourquoi ?
Le Soleil est une forte source de bruit radio
La lumière chauffe l'étage d'entrée du récepteur
La lumière solaire renvoyée par la parabole devient onde radio
Des particules solaires frappent l'antenne, d'où du bruit
""")

S10 = parse("""
You want to contact a station 8000 km away on a winter afternoon near sunspot maximum. Which band is the best first choice?
The 15 m or 20 m band
The 160 m or 80 m band
The 2 m or 70 cm band
The 23 cm or 13 cm band
Vous voulez contacter une station à 8000 km un après-midi d'hiver, près du maximum solaire. Quelle bande essayer en premier ?
La bande des 15 m ou des 20 m
La bande des 160 m ou des 80 m
La bande des 2 m ou des 70 cm
La bande des 23 cm ou des 13 cm

You want to contact a station 100 km away on a summer afternoon. Which choice is most reliable?
80 m or 40 m at high angles, or VHF if terrain allows
10 m by the F2 layer, with a beam aimed at the station
The 160 m band around noon
20 m with a beam at a low angle
Vous voulez contacter une station à 100 km un après-midi d'été. Quel choix est le plus fiable ?
Le 80 ou le 40 m à angle élevé, ou la VHF selon le relief
Le 10 m par la couche F2, avec une directive pointée vers la station
La bande des 160 m vers midi
Le 20 m avec une directive sous un angle bas

A band that was open to a distant area fades out as evening falls. What is the usual sensible move?
Move to a lower frequency band
Try a higher band, as the MUF rises after sunset
Increase the power tenfold
Change the antenna polarisation
Une bande ouverte vers une région lointaine se ferme à la tombée de la nuit. Quel est le choix raisonnable habituel ?
Passer sur une bande plus basse
Passer sur une bande plus haute, la MUF montant la nuit
Décupler la puissance d'émission
Changer la polarisation de l'antenne

The 10 m band is quiet at noon in a year of low solar activity. What might still open it briefly for contacts of 1000 to 2000 km in summer?
Patches of sporadic E ionisation
Ground wave, stronger in summer
Tropospheric ducting over 10,000 km
Moonbounce with a simple dipole
La bande des 10 m est silencieuse à midi, une année de faible activité solaire. Qu'est-ce qui peut encore l'ouvrir brièvement l'été pour des liaisons de 1000 à 2000 km ?
Des nuages d'ionisation E sporadique
L'onde de sol, plus forte l'été
Un conduit troposphérique sur 10 000 km
L'EME avec un simple dipôle

Why can signals on the low bands be much stronger at night than in the day over the same 1500 km path?
D-layer absorption has disappeared at night
The F layer is lower at night, so hops are shorter
Ground wave grows stronger after dark
Man-made noise falls away after dark
Pourquoi les signaux des bandes basses peuvent-ils être bien plus forts la nuit que le jour sur un même trajet de 1500 km ?
L'absorption de la couche D a disparu la nuit
La couche F est plus basse la nuit, d'où des bonds plus courts
L'onde de sol se renforce après la tombée de la nuit
Le bruit artificiel s'efface la nuit

During a strong geomagnetic storm, HF conditions are poor. Which activity might still be rewarding?
Looking for auroral contacts on 2 m
Working polar paths on 10 m
Expecting record DX on 20 m across the pole
Calling on 160 m at local noon
Pendant un fort orage géomagnétique, les conditions HF sont mauvaises. Quelle activité peut encore être intéressante ?
Chercher des liaisons aurorales sur le 2 m
Travailler les trajets polaires sur le 10 m
Attendre un DX record sur 20 m par le pôle
Lancer appel sur 160 m à midi local

An emergency group needs reliable HF links across a region about 300 km wide, day and night. What approach suits?
NVIS on 3.5 to 7 MHz, going lower at night
10 m with verticals, to keep signals low
The 70 cm band through one repeater
One fixed frequency on 28 MHz all the time
Un groupe d'urgence a besoin de liaisons HF fiables sur une région d'environ 300 km, de jour comme de nuit. Quelle approche convient ?
La NVIS sur 3,5 à 7 MHz, plus bas la nuit
Le 10 m avec des verticales, pour rester bas
La bande des 70 cm par un seul relais
Une seule fréquence fixe sur 28 MHz en permanence

One summer afternoon, a station 2000 km away is suddenly heard loud on 2 m for twenty minutes, then disappears. Your antennas are modest. What is the likely mode of propagation?
Sporadic E ionisation
Ground wave over the plains
Moonbounce (EME)
NVIS from the F layer
Un après-midi d'été, une station à 2000 km est soudain reçue fort sur le 2 m pendant vingt minutes, puis disparaît. Vos antennes sont modestes. Quel est le mode de propagation probable ?
L'ionisation E sporadique
L'onde de sol sur les plaines
L'EME (Terre-Lune-Terre)
La NVIS par la couche F

Why is it a mistake to think that more power always solves a propagation problem?
If the path is closed, extra power helps little
Higher power lowers the MUF for everyone
Power overloads the ionosphere and cuts range
More power raises the noise as much as the signal
Pourquoi est-ce une erreur de croire que plus de puissance règle toujours un problème de propagation ?
Sur un trajet fermé, plus de puissance n'aide guère
Plus de puissance abaisse la MUF pour tous
La puissance sature l'ionosphère et réduit la portée
Plus de puissance monte le bruit autant que le signal
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
