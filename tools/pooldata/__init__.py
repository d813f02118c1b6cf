"""Question tables of the four Korvane pools.

basic.py and advanced.py each expose TOPICS, a list of topics in order
(topic numbers 1.. by position, at most 9).  A topic is a dict
{"en": title, "fr": title, "sections": [section, ...]}; a section is a
list of questions; a question is a dict {"en": (question, correct, wrong1,
wrong2, wrong3), "fr": (...)} with the correct answer first.  basic.py also
exposes SKIP05 = (topic, section), the one Basic section whose numbering
jumps from 04 to 06.

tools/gen_pools.py puts this folder on sys.path and imports `basic` and
`advanced` as top-level modules, so the modules here import each other by
plain name.
"""
