# SPDX-License-Identifier: GPL-3.0-or-later
# Reads calendar files back with a reader independent of libical.
import json, sys
import icalendar


def read(data):
    starts = [(event, event.decoded('DTSTART')) for event in icalendar.Calendar.from_ical(data).walk('VEVENT')]
    return {'longest': max(len(line) for line in data.split(b'\r\n')),
            'events': [{'uid': str(event['UID']), 'summary': str(event['SUMMARY']), 'start': start.isoformat(),
                        'zone': str(getattr(start, 'tzinfo', None))} for event, start in starts]}


json.dump([read(open(path, 'rb').read()) for path in sys.argv[1:]], sys.stdout)
