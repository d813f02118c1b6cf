"""Advanced class question content, English and French.

TOPICS lists the topics in pool order (topic numbers 1.. by position); each
section is a list of questions whose correct answer comes first.  The topic
modules hold the texts; computed families live beside the sections that use
them so that each stays under a third of its section.
"""

import advanced_theory
import advanced_circuits
import advanced_measure
import advanced_power
import advanced_tx
import advanced_rx
import advanced_ant
import advanced_lines

TOPICS = [
    advanced_theory.TOPIC,
    advanced_circuits.TOPIC,
    advanced_measure.TOPIC,
    advanced_power.TOPIC,
    advanced_tx.TOPIC,
    advanced_rx.TOPIC,
    advanced_ant.TOPIC,
    advanced_lines.TOPIC,
]
