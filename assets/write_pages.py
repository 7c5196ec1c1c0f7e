#!/usr/bin/python3
"""Writes the template intranet, the writing-portfolio page and its document.

Every page is cut from the same frame as the pages the builder writes, in
windows-1252 with CR LF line ends. The builder personalises the pages by
replacing the first marker of each line, so a line never holds one marker
twice. Run it after a change of the pages; the files it writes are committed.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")
SITE = os.path.join(PROGRAM, "ovintranet", "orvane")

SCHOOL = "Sample Public School"  # replaced by the school's name
COLOUR = "#999966"               # replaced by the theme's side colour
FONT = "Arial"

# Navigation buttons: image, alternative text.
HOME = ("but-home.jpg", "Click to return to our School's Home Page")
SCHOOL_BTN = ("but-scpg.jpg", "Click to return to Our School...")
STAFF_BTN = ("but-staf.jpg", "Click to return to the Staff pages...")
PHOTOS_BTN = ("but-phto.jpg", "Click to return to the Photo Galleries...")
GROUPS_BTN = ("but-groups.jpg", "Click to return to the Groups page...")


def write_page(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    with open(path, "wb") as page:
        page.write(data)


def up(depth):
    return "../" * depth


def head(title, extra=()):
    return ["<html>", "", "<head>",
            '<meta http-equiv="Content-Language" content="en-us">',
            '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
            '<meta name="GENERATOR" content="Microsoft FrontPage 4.0">',
            '<meta name="ProgId" content="FrontPage.Editor.Document">',
            "<title>%s</title>" % title] + list(extra) + ["</head>", ""]


def button(depth, image, alt, target, frame_target=None):
    where = ' target="%s"' % frame_target if frame_target else ""
    return ['<a href="%s"%s><img border="0" src="%sovimages/%s"' % (target, where, up(depth), image),
            'alt="%s" width="127" height="25"></a>' % alt]


def button_row(depth, buttons, frame_target=None):
    lines = []
    for (image, alt), target in buttons:
        lines += button(depth, image, alt, target, frame_target)
    return lines


def side_cell():
    return '<td width="10%%" bgcolor="%s">&nbsp;</td>' % COLOUR


def frame_page(depth, title, heading, buttons, middle, label=SCHOOL, frame_target=None):
    """A page in the site's frame: name and buttons, the coloured middle row,
    buttons and name again. label is the text of the top and bottom rows."""
    lines = head(title) + ["<body>", "",
                           '<div align="center">', '<table border="0" width="100%">',
                           "<tr>", '<td width="100%">',
                           '<p align="center"><font face="%s" size="2">' % FONT,
                           "<b>%s<br>" % label, "</b></font>"]
    lines += button_row(depth, buttons, frame_target)
    lines += ["</p>", "</td>", "</tr>",
              "<tr>", '<td width="100%">', '<div align="center">',
              '<table border="0" width="100%">', "<tr>", side_cell(), '<td width="80%">',
              '<p align="center"><font face="%s" size="6"><b>%s</b></font></p>' % (FONT, heading)]
    lines += middle
    lines += ['<p align="center">&nbsp;</p>', "</td>", side_cell(), "</tr>", "</table>",
              "</div>", "</td>", "</tr>",
              "<tr>", '<td width="100%">', '<p align="center">']
    lines += button_row(depth, buttons, frame_target)
    lines += ['<br><font face="%s" size="2"><b>%s</b></font></p>' % (FONT, label),
              "</td>", "</tr>", "</table>", "", "</div>", "", "</body>", "", "</html>"]
    return lines


def para(text, size=None, align="left"):
    sized = ' size="%s"' % size if size else ""
    return '<p align="%s"><font face="%s"%s>%s</font></p>' % (align, FONT, sized, text)


def note(text):
    """An italic hint to the staff member who keeps the page."""
    return '<p align="center"><font face="%s" size="1"><i>%s</i></font></p>' % (FONT, text)


def table(header, rows, widths=None):
    """A bordered table; with no header the first row sets the widths."""
    lines = ['<div align="center">',
             '<table border="1" cellpadding="4" cellspacing="0" width="95%" '
             'bordercolor="#C0C0C0" style="border-collapse: collapse">']
    if header:
        lines.append("<tr>")
        for i, cell in enumerate(header):
            width = ' width="%s"' % widths[i] if widths else ""
            colour = ' bgcolor="%s"' % COLOUR
            lines.append('<td%s%s><font face="%s" size="2"><b>%s</b></font></td>'
                         % (width, colour, FONT, cell))
        lines.append("</tr>")
    for r, row in enumerate(rows):
        lines.append("<tr>")
        for i, cell in enumerate(row):
            width = ' width="%s"' % widths[i] if widths and not header and r == 0 else ""
            lines.append('<td valign="top"%s><font face="%s" size="2">%s</font></td>'
                         % (width, FONT, cell or "&nbsp;"))
        lines.append("</tr>")
    return lines + ["</table>", "</div>"]


def link_table(depth, rows):
    """Rows of a button (or a plain link) and a description."""
    lines = ['<div align="center">', '<table border="0" cellpadding="4" width="90%">']
    for target, image, alt, text, description in rows:
        lines.append("<tr>")
        if image:
            lines += ['<td width="30%%" align="center"><a href="%s"><img border="0" '
                      'src="%sovimages/%s"' % (target, up(depth), image),
                      'alt="%s" width="127" height="25"></a></td>' % alt]
        else:
            lines.append('<td width="30%%" align="center"><font face="%s" size="2"><b>'
                         '<a href="%s">%s</a></b></font></td>' % (FONT, target, text))
        lines.append('<td width="70%%"><font face="%s" size="2">%s</font></td>'
                     % (FONT, description))
        lines.append("</tr>")
    return lines + ["</table>", "</div>"]


# ---------------------------------------------------------------- home page

def home_page():
    areas = [
        ("school/index.htm", "but-scpg.jpg", "Click to find out about Our School...",
         "Our School", "who we are, our history, rules and policies, library, sport and canteen"),
        ("staff/index.htm", "but-staf.jpg", "Click to go to the Staff pages...",
         "Staff", "memos, the staff bulletin and calendar, playground duty and the help desk"),
        ("news/index.htm", "but-news.jpg", "Click to read the latest School News...",
         "News", "the latest news from around the school"),
        ("calendar/index.htm", "but-clnd.jpg", "Click to see the School Calendar...",
         "Calendar", "what is happening this term, week by week"),
        ("photos/index.htm", "but-phto.jpg", "Click to see our Photo Galleries...",
         "Photos", "photos of carnivals, excursions and school events"),
        ("links/index.htm", "but-link.jpg", "Click to see our favourite Links...",
         "Links", "web sites our students and teachers recommend"),
        ("groups/index.htm", "but-groups.jpg", "Click to see our School Groups...",
         "Groups", "the SRC, debating, band, choir, chess and drama"),
        ("school/library/index.htm", "but-lbry.jpg", "Click to visit our Library...",
         "Library", "opening times, borrowing and the library catalogue"),
    ]
    lines = head("%s Home Page" % SCHOOL) + [
        "<body>", "",
        '<div align="center">', '<table border="0" width="100%">', "<tr>",
        "<center>", side_cell(), "</center>",
        '<td width="80%">', "<center>",
        '<p align="center"><font face="%s" size="6">' % FONT,
        "<b>%s</b></font></p>" % SCHOOL,
        '<p align="center"><font face="%s">Home Page</font>' % FONT,
        "</center>",
        '<p align="center"><font face="%s" size="2"><b><a href="2009/index.htm">' % FONT,
        '<img src="ovimages/but-yrpg.jpg" width="127" height="25" border="0" '
        'alt="Click to view the Year Pages...">',
        "</a></b></font></p>",
        para("Welcome to our school intranet.&nbsp; The Year Pages lead to every class "
             "and to each student's own pages; the buttons below lead to the rest of "
             "the school.", 2, "center"),
    ]
    lines += link_table(0, areas)
    lines += ['<p align="center">&nbsp;</p>', "</td>", side_cell(), "</tr>",
              "</table>", "</div>", "", "</body>", "", "</html>"]
    return lines


# ---------------------------------------------------------------- our school

def school_pages():
    pages = {}
    home1 = [(HOME, "../index.htm")]
    sections = [
        ("history/index.htm", "but-info.jpg", "Click to read the History of our school...",
         "History", "How our school began and how it has grown."),
        ("rules/index.htm", None, None, "School Rules",
         "The rules that keep everyone safe, respected and learning."),
        ("policies/index.htm", "but-plcy.jpg", "Click to read our School Policies...",
         "Policies", "Homework, attendance, uniform, behaviour, internet use and more."),
        ("library/index.htm", "but-lbry.jpg", "Click to visit our Library...",
         "Library", "Opening times, borrowing and the library catalogue."),
        ("sport/index.htm", "but-sprt.jpg", "Click to see our Sport program...",
         "Sport", "Weekly sport, houses, carnivals and teams."),
        ("canteen/index.htm", "but-cant.jpg", "Click to see the Canteen menu...",
         "Canteen", "The menu, prices and opening days."),
        ("#principal", "but-prin.jpg", "Click to read the Principal's welcome...",
         "Principal", "A welcome from our Principal."),
        ("#pandc", "but-p&c.jpg", "Click to read about the P &amp; C...",
         "P &amp; C", "Our Parents and Citizens' Association."),
        ("#counsellor", "but-coun.jpg", "Click to find out about the School Counsellor...",
         "Counsellor", "How to see the School Counsellor."),
        ("#facilities", "but-fclt.jpg", "Click to see our Facilities...",
         "Facilities", "Our buildings and grounds."),
        ("#contact", "but-cntc.jpg", "Click to see how to Contact Us...",
         "Contact Us", "Address, telephone and office hours."),
    ]
    middle = [para("Welcome to %s." % SCHOOL, 3, "center"),
              para("Choose a section below to find out more about our school.", 2, "center")]
    middle += link_table(1, sections)
    middle += [
        '<p><a name="principal"></a></p>',
        para("<b>From the Principal</b>", 3),
        para("Welcome to our school.&nbsp; We are a caring community of students, staff "
             "and families, and we are proud of what our students achieve in the classroom, "
             "on the sports field and in the arts.&nbsp; Please visit the school, talk with "
             "your child's teacher and take part in the life of the school.", 2),
        '<p><a name="pandc"></a></p>',
        para("<b>Parents and Citizens' Association</b>", 3),
        para("The P &amp; C meets in the library at 7.00 pm on the second Tuesday of each "
             "month.&nbsp; Every parent and carer is welcome.&nbsp; The P &amp; C runs the "
             "canteen and the uniform shop and raises funds for the school.", 2),
        '<p><a name="counsellor"></a></p>',
        para("<b>School Counsellor</b>", 3),
        para("The School Counsellor is at school on Tuesdays and Thursdays.&nbsp; Parents "
             "who would like an appointment may ring the school office.", 2),
        '<p><a name="facilities"></a></p>',
        para("<b>Facilities</b>", 3),
        para("Our school has classrooms with interactive whiteboards, a library, a computer "
             "room, a hall, a covered outdoor learning area, a sports oval and a vegetable "
             "garden looked after by our students.", 2),
        '<p><a name="contact"></a></p>',
        para("<b>Contact Us</b>", 3),
    ]
    middle += table(None, [
        ["Address", "[street address, suburb, state, postcode]"],
        ["Telephone", "[school telephone number]"],
        ["Office hours", "8.30 am to 3.30 pm, Monday to Friday, during school terms"],
    ], ["30%", "70%"])
    middle += [note("Edit this page in your HTML editor: replace the text in square brackets.")]
    pages["school/index.htm"] = frame_page(1, "%s - Our School" % SCHOOL, "Our School",
                                           home1, middle)

    back2 = [(SCHOOL_BTN, "../index.htm"), (HOME, "../../index.htm")]

    history = [
        para("%s has served its community for many years." % SCHOOL, 2),
        para("The school opened with a handful of students in a single classroom.&nbsp; "
             "As the district grew, new classrooms, a library and a hall were built, and "
             "generations of local families have passed through our gates.", 2),
        para("<b>Milestones</b>", 3),
    ]
    history += table(["Year", "Event"], [
        ["[year]", "The school opens its doors."],
        ["[year]", "The first brick building replaces the original classroom."],
        ["[year]", "The library and hall are opened."],
        ["[year]", "The school celebrates its jubilee with past students and staff."],
        ["[year]", "The computer room and school intranet are set up."],
    ], ["20%", "80%"])
    history += [note("Edit this page in your HTML editor: add your school's own history "
                     "and photos.")]
    pages["school/history/index.htm"] = frame_page(2, "%s - History" % SCHOOL,
                                                   "Our History", back2, history)

    rules = [
        para("At %s we expect everyone to follow three simple rules:" % SCHOOL, 2),
        "<ol>",
        '<li><font face="%s" size="2"><b>Be safe</b> - walk on the verandahs, stay '
        "in the playground areas and play games that are safe for everyone.</font></li>" % FONT,
        '<li><font face="%s" size="2"><b>Be respectful</b> - treat others as you would '
        "like to be treated, use kind words and look after property.</font></li>" % FONT,
        '<li><font face="%s" size="2"><b>Be a learner</b> - arrive on time, be ready '
        "to learn and always try your best.</font></li>" % FONT,
        "</ol>",
        para("<b>In the playground</b>", 3),
    ]
    rules += table(["Area", "Rule"], [
        ["Oval", "Ball games at recess and lunch.&nbsp; Hats must be worn."],
        ["Covered area", "Quiet games, reading and eating."],
        ["Library", "Open at lunch on the days shown on the library page."],
        ["Out of bounds", "Car park, staff room and any area not on duty."],
    ], ["30%", "70%"])
    rules += [para("<b>Uniform</b>", 3),
              para("Students wear the school uniform every day, with the school hat "
                   "outdoors: no hat, play in the shade.", 2),
              note("Edit this page in your HTML editor to match your school's rules.")]
    pages["school/rules/index.htm"] = frame_page(2, "%s - School Rules" % SCHOOL,
                                                 "School Rules", back2, rules)

    policies = [para("These policies guide the way %s works.&nbsp; Copies of the full "
                     "policies are available from the school office." % SCHOOL, 2)]
    policies += table(["Policy", "In brief"], [
        ["Attendance", "Students are expected at school every day.&nbsp; Please send a "
         "note or ring the office when your child is absent."],
        ["Homework", "Homework is set each week, in line with the age of the student, "
         "and is checked by the class teacher."],
        ["Student welfare", "Every student has the right to feel safe and happy at "
         "school.&nbsp; Bullying of any kind is not accepted."],
        ["Uniform", "The school uniform is worn every day; the uniform shop is open on "
         "Wednesday mornings."],
        ["Sun safety", "Hats are worn outdoors and sunscreen is available in every "
         "classroom."],
        ["Internet use", "Students use the internet and the intranet only for school "
         "work, with a teacher's permission."],
        ["Excursions", "A signed permission note is needed before a student may leave "
         "the school on an excursion."],
    ], ["30%", "70%"])
    policies += [note("Edit this page in your HTML editor: link each policy to its full "
                      "text.")]
    pages["school/policies/index.htm"] = frame_page(2, "%s - Policies" % SCHOOL,
                                                    "School Policies", back2, policies)

    library = [para("The library at %s is open to students, staff and parents." % SCHOOL, 2)]
    library += table(["Day", "Before school", "Lunch", "After school"], [
        ["Monday", "8.30 - 9.00", "Open", "&nbsp;"],
        ["Tuesday", "&nbsp;", "Open", "3.00 - 3.30"],
        ["Wednesday", "8.30 - 9.00", "Closed", "&nbsp;"],
        ["Thursday", "&nbsp;", "Open", "3.00 - 3.30"],
        ["Friday", "8.30 - 9.00", "Open", "&nbsp;"],
    ])
    library += [
        para("<b>Borrowing</b>", 3),
        para("Every class visits the library once a week.&nbsp; Students may borrow two "
             "books for two weeks and must bring a library bag.", 2),
        para("<b>The library catalogue</b>", 3),
        para("Search the catalogue from any computer in the school.&nbsp; "
             "Our library's catalogue code is <b>999911</b>.", 2),
        note("Edit this page in your HTML editor to show your library's own times."),
    ]
    pages["school/library/index.htm"] = frame_page(2, "%s - Library" % SCHOOL, "Library",
                                                   back2, library)

    sport = [para("Sport is part of every week at %s." % SCHOOL, 2)]
    sport += table(["Event", "When", "Who"], [
        ["Weekly sport", "Friday afternoons", "All classes"],
        ["Swimming Carnival", "Term 1", "Years 3 to 6, and younger swimmers"],
        ["Cross Country", "Term 2", "All students aged 8 and over"],
        ["Athletics Carnival", "Term 3", "All students"],
        ["Gala days", "Through the year", "School teams"],
    ])
    sport += [
        para("<b>Houses</b>", 3),
        para("Every student belongs to one of four houses, which compete at the "
             "carnivals for the house shield.", 2),
        note("Edit this page in your HTML editor: add your houses, teams and results."),
    ]
    pages["school/sport/index.htm"] = frame_page(2, "%s - Sport" % SCHOOL, "Sport",
                                                 back2, sport)

    canteen = [para("The canteen is open on Monday, Wednesday and Friday.&nbsp; Lunch "
                    "orders go in the class basket before 9.30 am.", 2)]
    canteen += table(["Lunch", "Price", "Recess and drinks", "Price"], [
        ["Salad roll", "$4.00", "Fruit cup", "$1.50"],
        ["Chicken wrap", "$4.50", "Cheese and crackers", "$1.50"],
        ["Ham and cheese sandwich", "$3.50", "Frozen yoghurt", "$1.00"],
        ["Vegetable pasta bake", "$4.50", "Water (600 ml)", "$1.50"],
        ["Sushi roll", "$3.50", "Milk (300 ml)", "$2.00"],
    ])
    canteen += [note("Edit this page in your HTML editor to show this term's menu.")]
    pages["school/canteen/index.htm"] = frame_page(2, "%s - Canteen" % SCHOOL,
                                                   "Canteen", back2, canteen)
    return pages


# ------------------------------------------------- bulletin areas: head and foot

def frameset(title, head_page, shown, foot_page, head_rows=110, foot_rows=70):
    """The page of a bulletin area: its head page above, the page that the
    area's tool publishes in the frame "bottom", its foot page below."""
    return head(title) + [
        '<frameset rows="%d,*,%d" framespacing="0" border="0" frameborder="0">'
        % (head_rows, foot_rows),
        '<frame name="head" src="%s" scrolling="no" noresize>' % head_page,
        '<frame name="bottom" src="%s">' % shown,
        '<frame name="foot" src="%s" scrolling="no" noresize>' % foot_page,
        "<noframes>",
        "<body>",
        para('This page uses frames.&nbsp; <a href="%s">Click here</a> for the page '
             "without frames." % shown, 2, "center"),
        "</body>",
        "</noframes>",
        "</frameset>",
        "",
        "</html>",
    ]


def bar_page(depth, title, heading, buttons, links, text, label):
    """A head or foot page: a band in the theme colour between two side cells,
    with the name (or a plain label), buttons and links into the frame below."""
    lines = head(title, ['<base target="_top">']) + [
        '<body topmargin="4" leftmargin="0">', "",
        '<div align="center">',
        '<table border="0" cellpadding="2" cellspacing="0" width="100%">', "<tr>",
        side_cell(),
        '<td width="80%" align="center">']
    if heading:
        lines += ['<p align="center"><font face="%s" size="2"><b>%s</b></font><br>' % (FONT, label),
                  '<font face="%s" size="5"><b>%s</b></font><br>' % (FONT, heading)]
    else:
        lines += ['<p align="center">']
    lines += button_row(depth, buttons)
    if links:
        lines.append('<br><font face="%s" size="2">' % FONT)
        for i, (target, text_of_link) in enumerate(links):
            sep = " | " if i else ""
            lines.append('%s<a href="%s" target="bottom">%s</a>' % (sep, target, text_of_link))
        lines.append("</font>")
    lines.append("</p>")
    if text:
        lines.append('<p align="center"><font face="%s" size="1">%s</font></p>' % (FONT, text))
    lines += ["</td>", side_cell(), "</tr>", "</table>", "</div>", "", "</body>", "",
              "</html>"]
    return lines


TERMS = [("term%dcal.htm" % n, "Term %d" % n) for n in range(1, 5)]


def bulletin_pages():
    pages = {}
    home1 = [(HOME, "../index.htm")]
    home2_staff = [(STAFF_BTN, "../index.htm"), (HOME, "../../index.htm")]

    # School news
    pages["news/index.htm"] = frameset("School News", "newshead.htm", "ovnews.htm",
                                       "newsfoot.htm")
    pages["news/newshead.htm"] = bar_page(
        1, "%s - School News" % SCHOOL, "School News", home1,
        [("ovnews.htm", "Latest News")], None, SCHOOL)
    pages["news/newsfoot.htm"] = bar_page(
        1, "School News", None, home1, [],
        "News items are submitted with the news submitter and approved and published "
        "by the news editor with the Orvane News utility, both kept in this folder.", None)

    # School calendar
    pages["calendar/index.htm"] = frameset("School Calendar", "calhead.htm", "term1cal.htm",
                                           "calfoot.htm")
    pages["calendar/calhead.htm"] = bar_page(
        1, "%s - School Calendar" % SCHOOL, "School Calendar", home1, TERMS, None, SCHOOL)
    pages["calendar/calfoot.htm"] = bar_page(
        1, "School Calendar", None, home1, [],
        "Each term's calendar page is made with the Orvane Term Calendar utility kept "
        "in this folder.&nbsp; Open a term's page in your HTML editor to fill in the "
        "events.", None)

    # Staff bulletin
    pages["staff/bulletin/index.htm"] = frameset("Staff Bulletin", "newshead.htm",
                                                 "ovnews.htm", "newsfoot.htm")
    pages["staff/bulletin/newshead.htm"] = bar_page(
        2, "%s - Staff Bulletin" % SCHOOL, "Staff Bulletin", home2_staff,
        [("ovnews.htm", "This Week's Bulletin")], None, SCHOOL)
    pages["staff/bulletin/newsfoot.htm"] = bar_page(
        2, "Staff Bulletin", None, home2_staff, [],
        "Bulletin items are submitted by staff and approved and published by the "
        "bulletin editor with the Orvane News utility kept in this folder.", None)

    # Staff calendar
    pages["staff/calendar/index.htm"] = frameset("Staff Calendar", "calhead.htm",
                                                 "term1cal.htm", "calfoot.htm")
    pages["staff/calendar/calhead.htm"] = bar_page(
        2, "%s - Staff Calendar" % SCHOOL, "Staff Calendar", home2_staff, TERMS, None, SCHOOL)
    pages["staff/calendar/calfoot.htm"] = bar_page(
        2, "Staff Calendar", None, home2_staff, [],
        "Each term's staff calendar is made with the Orvane Term Calendar utility kept "
        "in this folder.", None)

    # Computer help desk (task requests)
    pages["staff/ovjobline/index.htm"] = frameset("Help Desk", "taskhead.htm", "ovtask.htm",
                                                  "taskfoot.htm")
    pages["staff/ovjobline/taskhead.htm"] = bar_page(
        2, "%s - Computer Help Desk" % SCHOOL, "Computer Help Desk", home2_staff,
        [("ovtask.htm", "Open Task Requests")], None, SCHOOL)
    pages["staff/ovjobline/taskfoot.htm"] = bar_page(
        2, "Computer Help Desk", None, home2_staff, [],
        "To submit a task request, start ovtasksub in this Help Desk folder; the "
        "computer coordinator manages the requests with ovtaskgen, kept beside it.", None)
    return pages


# ----------------------------------------------------------------- staff

def staff_pages():
    pages = {}
    home1 = [(HOME, "../index.htm")]
    back2 = [(STAFF_BTN, "../index.htm"), (HOME, "../../index.htm")]

    sections = [
        ("memos/index.htm", "but-info.jpg", "Click to read the Staff Memos...",
         "Memos", "Notices from the executive and the office."),
        ("bulletin/index.htm", "but-newl.jpg", "Click to read the Staff Bulletin...",
         "Staff Bulletin", "This week's staff bulletin."),
        ("calendar/index.htm", "but-clnd.jpg", "Click to see the Staff Calendar...",
         "Staff Calendar", "Meetings, reports, excursions and events, term by term."),
        ("playduty/index.htm", None, None, "Playground Duty",
         "The playground duty roster."),
        ("continuum/index.htm", None, None, "Learning Continuum",
         "Stage outcomes and assessment notes for literacy and numeracy."),
        ("links/index.htm", "but-link.jpg", "Click to see the Staff Links...",
         "Staff Links", "Web sites for teaching and administration."),
        ("ovjobline/index.htm", "but-help.jpg", "Click to go to the Computer Help Desk...",
         "Help Desk", "Ask for help with computers, printers and the network."),
    ]
    middle = [para("Pages for the staff of %s." % SCHOOL, 2, "center")]
    middle += link_table(1, sections)
    middle += [note("These pages are for staff.&nbsp; Please keep them up to date.")]
    pages["staff/index.htm"] = frame_page(1, "%s - Staff" % SCHOOL, "Staff", home1, middle)

    memos = [para("Memos to all staff, newest first.", 2)]
    memos += table(["Date", "From", "Memo"], [
        ["[date]", "Principal", "Staff meeting on Tuesday at 3.15 pm in the library."],
        ["[date]", "Office", "Please hand in excursion money by Friday."],
        ["&nbsp;", "&nbsp;", "&nbsp;"],
    ], ["15%", "20%", "65%"])
    memos += [note("Edit this page in your HTML editor: add each new memo at the top.")]
    pages["staff/memos/index.htm"] = frame_page(2, "%s - Staff Memos" % SCHOOL,
                                                "Staff Memos", back2, memos)

    duty_rows = [[day, "[name]", "[name]", "[name]"]
                 for day in ("Monday", "Tuesday", "Wednesday", "Thursday", "Friday")]
    duty = [para("Playground duty for this term.&nbsp; If you cannot take your duty, "
                 "please arrange a swap and tell the office.", 2)]
    duty += table(["Day", "Before school", "Recess", "Lunch"], duty_rows,
                  ["25%", "25%", "25%", "25%"])
    duty += [note("Edit this page in your HTML editor: put each teacher's name in the "
                  "roster.")]
    pages["staff/playduty/index.htm"] = frame_page(2, "%s - Playground Duty" % SCHOOL,
                                                   "Playground Duty", back2, duty)

    continuum = [para("Where our students are working, stage by stage.&nbsp; Use the "
                      "continuum when planning and when writing reports.", 2)]
    continuum += table(["Stage", "Years", "Literacy", "Numeracy"], [
        ["Early Stage 1", "Kindergarten", "[key outcomes]", "[key outcomes]"],
        ["Stage 1", "Years 1 and 2", "[key outcomes]", "[key outcomes]"],
        ["Stage 2", "Years 3 and 4", "[key outcomes]", "[key outcomes]"],
        ["Stage 3", "Years 5 and 6", "[key outcomes]", "[key outcomes]"],
    ], ["20%", "20%", "30%", "30%"])
    continuum += [note("Edit this page in your HTML editor: link each stage to its "
                       "outcomes and assessment notes.")]
    pages["staff/continuum/index.htm"] = frame_page(
        2, "%s - Learning Continuum" % SCHOOL, "Learning Continuum", back2, continuum)

    links = [para("Web sites that staff use for teaching and administration.", 2)]
    links += table(["Site", "What it is for"], [
        ['<a href="https://www.abc.net.au/education" target="_blank">ABC Education</a>',
         "Video clips and lessons for every key learning area."],
        ['<a href="http://www.bom.gov.au/" target="_blank">Bureau of Meteorology</a>',
         "Weather, for sport and excursions."],
        ['<a href="https://www.nla.gov.au/" target="_blank">National Library of Australia</a>',
         "Pictures, newspapers and resources for history units."],
        ["[site]", "[what it is for]"],
    ], ["35%", "65%"])
    links += [note("Edit this page in your HTML editor to add your own links.")]
    pages["staff/links/index.htm"] = frame_page(2, "%s - Staff Links" % SCHOOL,
                                                "Staff Links", back2, links)
    return pages


# --------------------------------------------------------- photos, links, groups

GALLERIES = ["Swimming Carnival", "Athletics Carnival", "Cross Country", "Book Week",
             "Education Week", "Excursions", "School Concert", "Presentation Day",
             "Around Our School"]


def photo_pages():
    pages = {}
    rows = [("gallery%d/index.htm" % n, None, None, "Gallery %d" % n, name)
            for n, name in enumerate(GALLERIES, 1)]
    middle = [para("Photos of life at %s.&nbsp; Choose a gallery." % SCHOOL, 2, "center")]
    middle += link_table(1, rows)
    middle += [note("Each gallery is a folder: copy the photos into it and show them on "
                    "its page with your HTML editor.")]
    pages["photos/index.htm"] = frame_page(1, "%s - Photo Galleries" % SCHOOL,
                                           "Photo Galleries", [(HOME, "../index.htm")], middle)
    back2 = [(PHOTOS_BTN, "../index.htm"), (HOME, "../../index.htm")]
    for n, name in enumerate(GALLERIES, 1):
        cells = ['<td width="33%%" align="center" bgcolor="%s"><font face="%s" size="2">'
                 "<br>Photo %d<br>&nbsp;</font></td>" % (COLOUR, FONT, k) for k in (1, 2, 3)]
        cells2 = ['<td width="33%%" align="center" bgcolor="%s"><font face="%s" size="2">'
                  "<br>Photo %d<br>&nbsp;</font></td>" % (COLOUR, FONT, k) for k in (4, 5, 6)]
        middle = [para(name, 4, "center"),
                  '<div align="center">',
                  '<table border="0" cellpadding="8" cellspacing="8" width="90%">',
                  "<tr>"] + cells + ["</tr>", "<tr>"] + cells2 + [
                  "</tr>", "</table>", "</div>",
                  note("Copy the photos into this folder, then put each one in a cell "
                       "above with your HTML editor and write a caption under it.")]
        pages["photos/gallery%d/index.htm" % n] = frame_page(
            2, "Photo Gallery %d - %s" % (n, name), "Photo Gallery %d" % n, back2, middle,
            label="Photo Galleries")
    return pages


def link_pages():
    links = [para("Web sites our teachers have chosen for students of %s." % SCHOOL, 2,
                  "center")]
    links += table(["Site", "What you will find"], [
        ['<a href="https://www.abc.net.au/abckids" target="_blank">ABC Kids</a>',
         "Games, stories and programs for younger students."],
        ['<a href="https://www.abc.net.au/education" target="_blank">ABC Education</a>',
         "Videos and games for every subject."],
        ['<a href="http://www.bom.gov.au/" target="_blank">Bureau of Meteorology</a>',
         "Today's weather and the weather map."],
        ["[site]", "[what you will find]"],
    ], ["35%", "65%"])
    links += [note("Teachers: edit this page in your HTML editor to add links for your "
                   "class.&nbsp; Students: ask your teacher before you visit a new site.")]
    return {"links/index.htm": frame_page(1, "%s - Links" % SCHOOL, "Links",
                                          [(HOME, "../index.htm")], links)}


GROUPS = [
    ("src", "SRC", "Student Representative Council",
     "The SRC is the voice of the students.&nbsp; Two representatives from each class "
     "from Year 3 up meet to plan fundraising days and to bring ideas from their "
     "classes to the school.", "Monday lunch, Room 5"),
    ("debating", None, "Debating",
     "Our debating teams take on other schools in the regional competition.&nbsp; "
     "Students from Years 5 and 6 learn to research, argue and speak with confidence.",
     "Wednesday lunch, the library"),
    ("schoolband", None, "School Band",
     "The band plays at assemblies, the school concert and Presentation Day.&nbsp; New "
     "players are welcome from Year 3; instruments can be hired through the school.",
     "Thursday before school, the hall"),
    ("schoolchoir", None, "School Choir",
     "The choir sings at assemblies and community events and takes part in the festival "
     "of choirs every year.", "Tuesday lunch, the music room"),
    ("chess", None, "Chess Club",
     "Beginners and experienced players meet to learn and to play.&nbsp; The club "
     "enters a team in the inter-school chess competition.", "Friday lunch, Room 2"),
    ("drama", None, "Drama",
     "The drama group writes and performs short plays and prepares the school "
     "concert's stage show.", "Monday after school, the hall"),
]


def group_pages():
    pages = {}
    rows = []
    for folder, label, title, _, when in GROUPS:
        image = "but-src.jpg" if label == "SRC" else None
        rows.append(("%s/index.htm" % folder, image,
                     "Click to see the %s page..." % title if image else None,
                     title, "%s.&nbsp; Meets %s." % (title, when)))
    middle = [para("Students of %s can join these groups." % SCHOOL, 2, "center")]
    middle += link_table(1, rows)
    middle += [note("Each group's teacher can edit its page in an HTML editor.")]
    pages["groups/index.htm"] = frame_page(1, "%s - Groups" % SCHOOL, "Groups",
                                           [(HOME, "../index.htm")], middle)
    back2 = [(GROUPS_BTN, "../index.htm"), (HOME, "../../index.htm")]
    for folder, _, title, about, when in GROUPS:
        middle = [para(about, 2)]
        middle += table(["When we meet", "Teacher in charge"], [[when, "[teacher's name]"]],
                        ["50%", "50%"])
        middle += [para("<b>News</b>", 3),
                   para("[Write the group's latest news here.]", 2),
                   note("Edit this page in your HTML editor: add news, photos and "
                        "members.")]
        pages["groups/%s/index.htm" % folder] = frame_page(
            2, "%s - %s" % (SCHOOL, title), title, back2, middle)
    return pages


# --------------------------------------------------------- writing portfolio

WRITING = [
    ("Recount", "Tell about something that happened to you."),
    ("Narrative", "Write a story with a beginning, a problem and an ending."),
    ("Procedure", "Explain how to make or do something, step by step."),
    ("Information Report", "Describe the facts about an animal, a place or a thing."),
    ("Explanation", "Explain how or why something happens."),
    ("Persuasive Text", "Give your opinion and the reasons for it."),
]


def writing_page():
    """The writing portfolio: it becomes topic12.htm in each student's folder,
    four folders below the site root, next to the folder "writing"."""
    buttons = [(("but-mypg.jpg", "Click here to return to My Home Page!"), "index.htm"),
               (("but-stpg.jpg", "Click to see the pages of other students in my class..."),
                "../index.htm"),
               (("but-clpg.jpg", "Click to return to the Classes list..."), "../../index.htm"),
               (("but-yrpg.jpg", "Click to return to the Years pages..."), "../../../index.htm"),
               (HOME, "../../../../index.htm")]
    middle = [para("Here are the six pieces of writing I have worked on this year.&nbsp; "
                   "Click a button to open a piece, work on it in your word processor and "
                   "save it again in the same place.", 2, "center"),
              '<div align="center">', '<table border="0" cellpadding="4" width="90%">',
              "<tr>",
              '<td width="100%%" colspan="3" bgcolor="%s">' % COLOUR,
              '<p align="center"><b><font face="%s">My Writing</font></b></td>' % FONT,
              "</tr>"]
    for n, (kind, hint) in enumerate(WRITING, 1):
        middle += ["<tr>",
                   '<td width="15%%"><a href="writing/writing%d.doc"><img border="0" '
                   'src="../../../../ovimages/but-clik.jpg"' % n,
                   'alt="Click to open my writing!" width="60" height="60"></a></td>',
                   '<td width="25%%"><font face="%s" size="2"><b>Writing %d - %s</b></font></td>'
                   % (FONT, n, kind),
                   '<td width="60%%"><font face="%s" size="2">%s</font></td>' % (FONT, hint),
                   "</tr>"]
    middle += ["<tr>", '<td width="100%%" colspan="3" bgcolor="%s">&nbsp;</td>' % COLOUR,
               "</tr>", "</table>", "</div>"]
    return frame_page(4, "My Writing Portfolio", "My Writing Portfolio", buttons, middle)


def writing_document():
    """A one-page writing template in RTF, which every word processor opens."""
    rule = r"\pard\sb120\brdrb\brdrs\brdrw10\brsp40\fs24\par"
    lines = [r"{\rtf1\ansi\ansicpg1252\deff0",
             r"{\fonttbl{\f0\fswiss Arial;}}",
             r"{\info{\title My Writing}}",
             r"\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134",
             r"\pard\qc\sa240\b\fs40 My Writing\b0\par",
             r"\pard\sa120\fs24 Name: ______________________   Class: __________   "
             r"Date: ______________\par",
             r"\pard\sa120\fs24 Title: ______________________________________________\par",
             r"\pard\sb240\sa120\b\fs28 My plan\b0\par",
             r"\pard\fs22\i Who or what is it about?  Where and when?  What happens?\i0\par"]
    lines += [rule] * 3
    lines += [r"\pard\sb240\sa120\b\fs28 My writing\b0\par"]
    lines += [rule] * 12
    lines += [r"\pard\sb240\sa120\b\fs28 Checking my work\b0\par",
              r"\pard\fs22 I have read my writing aloud.  I have checked my capital letters, "
              r"full stops and spelling.\par",
              r"\pard\sb240\sa120\b\fs28 Teacher's comment\b0\par"]
    lines += [rule] * 3
    lines += ["}"]
    return lines


def main():
    pages = {"index.htm": home_page()}
    for group in (school_pages(), bulletin_pages(), staff_pages(), photo_pages(),
                  link_pages(), group_pages()):
        pages.update(group)
    for name, lines in pages.items():
        write_page(os.path.join(SITE, *name.split("/")), lines)
    write_page(os.path.join(PROGRAM, "writing.htm"), writing_page())
    write_page(os.path.join(PROGRAM, "writing.doc"), writing_document())
    print("wrote %d template pages, writing.htm and writing.doc" % len(pages))


if __name__ == "__main__":
    main()
