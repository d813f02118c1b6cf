"""The Basic pool: nine topics, one hundred sections."""

import basic_t1
import basic_t2
import basic_t3
import basic_t4
import basic_t5
import basic_t6
import basic_t7
import basic_t8
import basic_t9

_MODULES = [basic_t1, basic_t2, basic_t3, basic_t4, basic_t5, basic_t6, basic_t7, basic_t8, basic_t9]

TOPICS = [{"en": m.TITLE[0], "fr": m.TITLE[1], "sections": m.SECTIONS} for m in _MODULES]

# Making contacts (topic 2, section 5) is numbered 01-04, 06-11.
SKIP05 = (2, 5)
